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
    if (IsIconic(WindowOf(window)))
        ShowWindow(WindowOf(window), SW_RESTORE);
    SetForegroundWindow(WindowOf(window));
}

} // namespace mervik
