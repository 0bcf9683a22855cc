#include <memory>

#include "settings/ProfileDefaults.h"
#include "settings/ProfileIdentity.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/JsonWriter.h"

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
    std::string folderArg;
    bool json = false;
    if (!FolderAndFlag(args, "--json", folderArg, json))
        return kExitUsage;
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadNotes notes;
    const bool ok = LoadAll(*image, FolderArgument(folderArg), nullptr, &notes);
    if (json)
        WriteJson(io.out, *image);
    else
        WriteText(io.out, *image);
    PrintLoadNotes(notes, io.err);
    if (!ok) {
        io.err << "mervikctl: some files of " << folderArg << " could not be read\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace mervik::tools
