#include "hiddriver/sim/win32/ControlPipeClient.h"

#include <windows.h>

#include "win32/UniqueHandleWin32.h"

namespace mervik::sim {

namespace {

win::UniqueHandle Connect(const std::string& pipeName, unsigned long timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        win::UniqueHandle pipe(CreateFileA(pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
        if (pipe || GetLastError() != ERROR_PIPE_BUSY)
            return pipe;
        ULONGLONG now = GetTickCount64();
        if (now >= deadline ||
            !WaitNamedPipeA(pipeName.c_str(), static_cast<DWORD>(deadline - now)))
            return {};
    }
}

std::optional<std::string> ReadMessage(HANDLE pipe) {
    std::string reply;
    char buffer[4096];
    for (;;) {
        DWORD n = 0;
        BOOL ok = ReadFile(pipe, buffer, sizeof buffer, &n, nullptr);
        reply.append(buffer, n);
        if (ok)
            return reply;
        if (GetLastError() != ERROR_MORE_DATA)
            return std::nullopt;
    }
}

} // namespace

std::optional<std::string> SendControlCommand(const std::string& pipeName,
                                              const std::string& command, unsigned long timeoutMs) {
    win::UniqueHandle pipe = Connect(pipeName, timeoutMs);
    if (!pipe)
        return std::nullopt;
    DWORD mode = PIPE_READMODE_MESSAGE;
    DWORD written = 0;
    if (!SetNamedPipeHandleState(pipe.get(), &mode, nullptr, nullptr) ||
        !WriteFile(pipe.get(), command.data(), static_cast<DWORD>(command.size()), &written,
                   nullptr))
        return std::nullopt;
    return ReadMessage(pipe.get());
}

} // namespace mervik::sim
