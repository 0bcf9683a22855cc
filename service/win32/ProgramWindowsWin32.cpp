#include "service/win32/ProgramWindowsWin32.h"

#include <windows.h>

namespace mervik {

namespace {

HWND WindowOf(ProgramWindows::Handle handle) {
    return reinterpret_cast<HWND>(handle);
}

} // namespace

ProgramWindows::Handle Win32ProgramWindows::Find(const char* caption) {
    return reinterpret_cast<Handle>(FindWindowA(nullptr, caption));
}

bool Win32ProgramWindows::Post(Handle window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    return PostMessageA(WindowOf(window), message, wParam, lParam) != FALSE;
}

void Win32ProgramWindows::Activate(Handle window) {
    HWND shown = WindowOf(window);
    // A program may answer to its old caption with a hidden window that
    // stands in for the one the user sees, its owner (Option does): that one
    // comes to the front.
    if (HWND owner = GetWindow(shown, GW_OWNER); owner && !IsWindowVisible(shown))
        shown = owner;
    if (IsIconic(shown))
        ShowWindow(shown, SW_RESTORE);
    SetForegroundWindow(shown);
}

} // namespace mervik
