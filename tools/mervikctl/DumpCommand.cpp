#include <memory>

#include "macros/MacroFile.h"
#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/ImageJson.h"

namespace mervik::tools {

int DumpCommand(const Arguments& args, Streams io) {
    if (args.size() != 1)
        return kExitUsage;
    const std::string folder = FolderArgument(args[0]);

    // Loaded as the programs load it, without touching the system's pointer settings.
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadNotes notes;
    bool ok = LoadAll(*image, folder, nullptr, &notes);

    MacroList macros;
    ok = LoadMacroList(folder, macros, &notes) == MacroFileRead::Read && ok;

    const std::string config = ConfigFilePath(folder);
    ConfigValues values{ReadFWVersion(config), ReadMouseColor(config), ReadDevice(config)};
    WriteImageJson(io.out, *image, values, macros);
    PrintLoadNotes(notes, io.err);
    if (!ok) {
        io.err << "mervikctl: some files of " << args[0] << " could not be read\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace mervik::tools
