#include <memory>

#include "macros/MacroFile.h"
#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/SettingsFolder.h"

namespace mervik::tools {

int InitCommand(const Arguments& args, Streams io) {
    const auto given = CommandArguments::Read("init", args, io.err);
    if (!given)
        return kExitUsage;
    const std::string& folderArg = given->At(0);
    const std::string folder = FolderArgument(folderArg);
    // A folder that already holds settings is someone's: init never
    // overwrites them unless told to.
    if (!given->Has("--force") && HoldsSettings(folder)) {
        io.err << "mervikctl: " << folderArg
               << " already holds settings; use --force to replace them with the defaults\n";
        return kExitFailed;
    }
    std::error_code error;
    std::filesystem::create_directories(FileSystemPath(folderArg), error);

    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    ResetAllProfiles(*image);
    bool ok = SaveAll(*image, folder);
    // As the on-screen display writes it at its first start.
    ok = WriteOsdSettings(ConfigFilePath(folder), DefaultOsdSettings()) && ok;
    ok = SaveMacroList(folder, MacroList{}) && ok;
    if (!ok) {
        io.err << "mervikctl: could not write the settings into " << folderArg << "\n";
        return kExitFailed;
    }
    io.out << "wrote " << ConfigFilePath(folder) << ", five profile files and "
           << MacroFilePath(folder) << "\n";
    return kExitOk;
}

} // namespace mervik::tools
