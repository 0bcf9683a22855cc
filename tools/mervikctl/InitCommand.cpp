#include <filesystem>
#include <memory>

#include "macros/MacroFile.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

namespace {

// A folder that already holds settings is someone's: init never overwrites them
// unless told to.
bool HoldsSettings(const std::string& folder) {
    std::error_code ignored;
    if (std::filesystem::exists(FileSystemPath(ConfigFilePath(folder)), ignored))
        return true;
    for (int n = 0; n < kProfileFileCount; ++n)
        if (std::filesystem::exists(FileSystemPath(ProfileFilePath(folder, n)), ignored))
            return true;
    return std::filesystem::exists(FileSystemPath(MacroFilePath(folder)), ignored);
}

} // namespace

int InitCommand(const Arguments& args, Streams io) {
    bool force = false;
    std::string folderArg;
    if (!FolderAndFlag(args, "--force", folderArg, force))
        return kExitUsage;
    const std::string folder = FolderArgument(folderArg);
    if (!force && HoldsSettings(folder)) {
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
