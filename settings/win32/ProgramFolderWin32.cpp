#include <windows.h>

#include "settings/FilePaths.h"
#include "settings/win32/WidePath.h"

namespace mervik {

// In UTF-8, like every path inside the suite (see win32/WidePath.h).
std::string ProgramFolder() {
    const std::string path = win::ModulePath();
    return path.empty() ? std::string() : FolderOf(path);
}

} // namespace mervik
