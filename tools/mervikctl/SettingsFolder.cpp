#include "tools/mervikctl/SettingsFolder.h"

#include "macros/MacroFile.h"
#include "settings/FilePaths.h"

namespace mervik::tools {

namespace {

bool Exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(FileSystemPath(path), ignored);
}

} // namespace

std::string FolderArgument(const std::string& folder) {
    if (folder.empty() || folder.back() == '/' || folder.back() == kPathSeparator)
        return folder;
    return folder + kPathSeparator;
}

std::filesystem::path FileSystemPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool HoldsSettings(const std::string& folder) {
    if (Exists(ConfigFilePath(folder)) || Exists(MacroFilePath(folder)))
        return true;
    for (int n = 0; n < kProfileFileCount; ++n)
        if (Exists(ProfileFilePath(folder, n)))
            return true;
    return false;
}

bool CheckSettingsFolder(const std::string& folderArg, std::ostream& err) {
    std::error_code error;
    const auto status = std::filesystem::status(FileSystemPath(folderArg), error);
    if (status.type() == std::filesystem::file_type::not_found) {
        err << "mervikctl: " << folderArg << " does not exist\n";
        return false;
    }
    if (error) {
        err << "mervikctl: " << folderArg << " could not be read\n";
        return false;
    }
    if (status.type() != std::filesystem::file_type::directory) {
        err << "mervikctl: " << folderArg << " is not a folder\n";
        return false;
    }
    if (!HoldsSettings(FolderArgument(folderArg))) {
        err << "mervikctl: " << folderArg
            << " holds no settings (no config.ini, profile file or macro file); \"mervikctl init "
            << folderArg << "\" writes the defaults\n";
        return false;
    }
    return true;
}

} // namespace mervik::tools
