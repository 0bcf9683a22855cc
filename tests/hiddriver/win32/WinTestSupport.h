#pragma once
// Helpers of the Windows tests of the HID library: the folders the test's
// libraries were copied to, a message-only window for the library's
// messages, and running mousesim.
#include <windows.h>

#include <string>

#include "win32/UniqueHandleWin32.h"

namespace mervik::testing {

// The test executable's folder + `sub` + "\", where the build put one
// hiddriver.dll (sim, real, partial; none has none).
inline std::string TestFolder(const char* sub) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + sub + "\\";
}

inline HWND CreateMessageWindow() {
    return CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

// Waits for `message` posted to `window`; other messages are dropped.
inline bool WaitForMessage(HWND window, UINT message, MSG& msg, DWORD timeoutMs = 5000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < deadline) {
        while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE))
            if (msg.message == message)
                return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_POSTMESSAGE);
    }
    return false;
}

inline void DropMessages(HWND window) {
    MSG msg;
    while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) {
    }
}

struct ProcessResult {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

// Runs a command line and collects what it writes to standard output.
inline ProcessResult RunProcess(std::string commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ProcessResult result;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return result;
    win::UniqueHandle reader(readEnd), writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &si, &pi))
        return result;
    win::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    writer.reset(); // the child holds the only write end now
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0)
        result.output.append(buffer, n);
    WaitForSingleObject(pi.hProcess, 10000);
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    return result;
}

} // namespace mervik::testing
