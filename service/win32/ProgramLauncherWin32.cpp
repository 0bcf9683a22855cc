#include "service/win32/ProgramLauncherWin32.h"

#include <windows.h>

#include <shellapi.h>

namespace mervik {

// A missing program is not reported: the companions are optional, and the
// shell must not put up an error box of its own either.
void Win32ProgramLauncher::Open(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = path.c_str();
    info.nShow = SW_SHOW;
    ShellExecuteExA(&info);
}

} // namespace mervik
