#include "settings/FilePaths.h"
#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

std::string FolderArgument(const std::string& folder) {
    if (folder.empty() || folder.back() == '/' || folder.back() == kPathSeparator)
        return folder;
    return folder + kPathSeparator;
}

} // namespace mervik::tools
