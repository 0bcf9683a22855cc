#include <memory>

#include "device/ReportEncoder.h"
#include "protocol/PlanText.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/SettingsFolder.h"

namespace mervik::tools {

int EncodeCommand(const Arguments& args, Streams io) {
    const auto given = CommandArguments::Read("encode", args, io.err);
    if (!given)
        return kExitUsage;
    std::optional<int> profile;
    if (const std::string* chosen = given->Value("--profile")) {
        profile = ReadProfileIndex(*chosen);
        if (!profile)
            return UsageError("encode", ProfileIndexProblem("--profile", *chosen), io.err);
    }
    const std::string& folderArg = given->At(0);
    if (!CheckSettingsFolder(folderArg, io.err))
        return kExitFailed;

    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadNotes notes;
    const bool loaded = LoadAll(*image, FolderArgument(folderArg), nullptr, &notes);
    PrintLoadNotes(notes, io.err);
    // Load all always leaves a profile current.
    io.out << PlanText(EncodeUpload(profile ? image->Profiles[*profile] : *image->ActiveProfile()));
    return ReportLoad(loaded, folderArg, io.err);
}

} // namespace mervik::tools
