#include "service/win32/ProgramLauncherWin32.h"

#include <windows.h>

#include <shellapi.h>

#include "settings/win32/WidePath.h"

namespace mervik {

// A missing program is not reported: the companions are optional, and the
// shell must not put up an error box of its own either.
void Win32ProgramLauncher::Open(const std::string& path) {
    const std::wstring file = win::Widen(path);
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOW;
    ShellExecuteExW(&info);
}

} // namespace mervik
