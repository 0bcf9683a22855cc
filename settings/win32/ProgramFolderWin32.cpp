#include <windows.h>

#include <vector>

#include "settings/FilePaths.h"

namespace mervik {

std::string ProgramFolder() {
    // Paths may be longer than MAX_PATH; grow until the name fits.
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::vector<char> buffer(size);
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0)
            return {};
        if (length < size)
            return FolderOf(std::string_view(buffer.data(), length));
    }
    return {};
}

} // namespace mervik
