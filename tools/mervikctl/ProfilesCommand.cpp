#include <memory>

#include "settings/ProfileDefaults.h"
#include "settings/ProfileIdentity.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/JsonWriter.h"
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
    JsonWriter json(out);
    json.BeginObject();
    json.Number("CurrentProfile", image.CurrentProfile);
    json.BeginArray("Profiles");
    for (int i = 0; i < kProfileCount; ++i) {
        const ProfileRecord& profile = image.Profiles[i];
        json.BeginObject();
        json.Number("Index", i);
        json.Text("ProFileName", ProfileName(profile));
        json.Text("GameFile", LinkedProgramPath(profile));
        json.Text("Program", LinkedProgramName(profile));
        json.Bool("Current", i == image.CurrentProfile);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    out << "\n";
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
