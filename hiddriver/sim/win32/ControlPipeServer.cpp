#include "hiddriver/sim/win32/ControlPipeServer.h"

#include <windows.h>

#include <memory>
#include <vector>

#include "win32/UniqueHandleWin32.h"

namespace mervik::sim {

namespace {

constexpr DWORD kBufferSize = 64 * 1024;
constexpr DWORD kMaxCommand = 1024;
constexpr DWORD kHangUpWaitMs = 5000;

// Overlapped I/O on the pipe that gives up when the stop event fires.
class PipeSession {
public:
    PipeSession(HANDLE pipe, HANDLE stop)
        : pipe_(pipe), stop_(stop), event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

    bool Connect() {
        OVERLAPPED ov = Fresh();
        if (ConnectNamedPipe(pipe_, &ov))
            return true;
        if (GetLastError() == ERROR_PIPE_CONNECTED)
            return true;
        DWORD n = 0;
        return Await(ov, INFINITE, n);
    }

    bool Read(std::string& text, DWORD timeoutMs) {
        std::vector<char> buffer(kMaxCommand);
        OVERLAPPED ov = Fresh();
        DWORD n = 0;
        BOOL done = ReadFile(pipe_, buffer.data(), kMaxCommand, &n, &ov);
        if (!done && !Await(ov, timeoutMs, n))
            return false;
        text.assign(buffer.data(), n);
        return true;
    }

    bool Write(const std::string& text) {
        OVERLAPPED ov = Fresh();
        DWORD n = 0;
        BOOL done = WriteFile(pipe_, text.data(), static_cast<DWORD>(text.size()), &n, &ov);
        return done || Await(ov, INFINITE, n);
    }

    // The reply is only safe from DisconnectNamedPipe once the client has read
    // it and closed its end.
    void AwaitHangUp() {
        std::string ignored;
        while (Read(ignored, kHangUpWaitMs)) {
        }
    }

private:
    OVERLAPPED Fresh() {
        OVERLAPPED ov{};
        ResetEvent(event_.get());
        ov.hEvent = event_.get();
        return ov;
    }

    bool Await(OVERLAPPED& ov, DWORD timeoutMs, DWORD& n) {
        if (GetLastError() != ERROR_IO_PENDING)
            return false;
        HANDLE waits[] = {ov.hEvent, stop_};
        if (WaitForMultipleObjects(2, waits, FALSE, timeoutMs) != WAIT_OBJECT_0) {
            CancelIo(pipe_);
            GetOverlappedResult(pipe_, &ov, &n, TRUE);
            return false;
        }
        return GetOverlappedResult(pipe_, &ov, &n, FALSE) != 0;
    }

    HANDLE pipe_;
    HANDLE stop_;
    win::UniqueHandle event_;
};

void Serve(HANDLE pipe, HANDLE stop, const ControlPipeServer::Handler& handler) {
    while (WaitForSingleObject(stop, 0) == WAIT_TIMEOUT) {
        PipeSession session(pipe, stop);
        if (!session.Connect()) { // a client that gave up before we saw it
            DisconnectNamedPipe(pipe);
            continue;
        }
        std::string command;
        if (session.Read(command, kHangUpWaitMs)) {
            std::string reply =
                command.size() < kMaxCommand ? handler(command) : "error: command too long\n";
            if (session.Write(reply))
                session.AwaitHangUp();
        }
        DisconnectNamedPipe(pipe);
    }
}

} // namespace

bool ControlPipeServer::Start(const std::string& pipeName, Handler handler) {
    // One instance, and the first: another process with this name is refused
    // instead of silently sharing it.
    win::UniqueHandle pipe(CreateNamedPipeA(
        pipeName.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
        kBufferSize, kBufferSize, 0, nullptr));
    if (!pipe)
        return false;
    auto shared = std::make_shared<win::UniqueHandle>(std::move(pipe));
    return thread_.Start([shared, handler = std::move(handler)](HANDLE stop) {
        Serve(shared->get(), stop, handler);
    });
}

} // namespace mervik::sim
