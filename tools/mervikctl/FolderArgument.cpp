#include "settings/FilePaths.h"
#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

std::string FolderArgument(const std::string& folder) {
    if (folder.empty() || folder.back() == '/' || folder.back() == kPathSeparator)
        return folder;
    return folder + kPathSeparator;
}

std::filesystem::path FileSystemPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool FolderAndFlag(const Arguments& args, const std::string& flag, std::string& folder,
                   bool& flagGiven) {
    flagGiven = false;
    folder.clear();
    for (const std::string& a : args) {
        if (a == flag)
            flagGiven = true;
        else if (folder.empty())
            folder = a;
        else
            return false;
    }
    return !folder.empty();
}

} // namespace mervik::tools
