#pragma once
// Nothing may unwind through the system's code: a window procedure's handler
// that throws makes its message fail instead (a creation with -1, so the
// window is not made), and the debugger output says so.
#include <windows.h>

#include <string>

namespace mervik::win {

template <class Handler>
LRESULT GuardedMessage(UINT message, const char* program, Handler&& handler) {
    try {
        return handler();
    } catch (...) {
        OutputDebugStringA(
            (std::string(program) + ": a window procedure stopped an exception\n").c_str());
        return message == WM_CREATE ? -1 : 0;
    }
}

} // namespace mervik::win
