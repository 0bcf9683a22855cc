#include <memory>

#include "exchange/JsonText.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileIdentity.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/SettingsFolder.h"

namespace mervik::tools {

namespace {

void WriteText(std::ostream& out, const SharedSettingsBlock& image) {
    for (int i = 0; i < kProfileCount; ++i) {
        const ProfileRecord& profile = image.Profiles[i];
        out << (i == image.CurrentProfile ? "* " : "  ") << i << "  " << ProfileName(profile);
        const std::string path = LinkedProgramPath(profile);
        if (!path.empty())
            out << "  [" << LinkedProgramName(profile) << ": " << path << "]";
        out << "\n";
    }
}

void WriteJson(std::ostream& out, const SharedSettingsBlock& image) {
    Json json = Json::object();
    json["CurrentProfile"] = image.CurrentProfile;
    json["Profiles"] = Json::array();
    for (int i = 0; i < kProfileCount; ++i) {
        const ProfileRecord& profile = image.Profiles[i];
        Json entry = Json::object();
        entry["Index"] = i;
        entry["ProFileName"] = JsonOfBytes(ProfileName(profile));
        entry["GameFile"] = JsonOfBytes(LinkedProgramPath(profile));
        entry["Program"] = JsonOfBytes(LinkedProgramName(profile));
        entry["Current"] = i == image.CurrentProfile;
        json["Profiles"].push_back(std::move(entry));
    }
    out << JsonDocument(json);
}

} // namespace

int ProfilesCommand(const Arguments& args, Streams io) {
    const auto given = CommandArguments::Read("profiles", args, io.err);
    if (!given)
        return kExitUsage;
    const std::string& folderArg = given->At(0);
    if (!CheckSettingsFolder(folderArg, io.err))
        return kExitFailed;
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadNotes notes;
    const bool loaded = LoadAll(*image, FolderArgument(folderArg), nullptr, &notes);
    if (given->Has("--json"))
        WriteJson(io.out, *image);
    else
        WriteText(io.out, *image);
    PrintLoadNotes(notes, io.err);
    return ReportLoad(loaded, folderArg, io.err);
}

} // namespace mervik::tools
