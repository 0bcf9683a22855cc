#include <memory>

#include "macros/MacroFile.h"
#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/ImageJson.h"
#include "tools/mervikctl/SettingsFolder.h"

namespace mervik::tools {

int DumpCommand(const Arguments& args, Streams io) {
    const auto given = CommandArguments::Read("dump", args, io.err);
    if (!given)
        return kExitUsage;
    const std::string& folderArg = given->At(0);
    if (!CheckSettingsFolder(folderArg, io.err))
        return kExitFailed;
    const std::string folder = FolderArgument(folderArg);

    // Loaded as the programs load it, without touching the system's pointer settings.
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadNotes notes;
    bool ok = LoadAll(*image, folder, nullptr, &notes);

    // As Option loads it: buttons follow the macros whose names loading made unique.
    MacroList macros;
    ok = LoadMacroList(folder, macros, &notes, image.get()) == MacroFileRead::Read && ok;

    const std::string config = ConfigFilePath(folder);
    ConfigValues values{ReadFWVersion(config), ReadMouseColor(config), ReadDevice(config),
                        ReadLanguageChoice(config)};
    WriteImageJson(io.out, *image, values, macros);
    PrintLoadNotes(notes, io.err);
    return ReportLoad(ok, folderArg, io.err);
}

} // namespace mervik::tools
