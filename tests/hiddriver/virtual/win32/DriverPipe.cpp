#include "tests/hiddriver/virtual/win32/DriverPipe.h"

#include <windows.h>

#include <algorithm>
#include <thread>

namespace mervik::vmouse {

namespace {

constexpr int kInstances = 4;

bool ReadWhole(HANDLE pipe, void* data, DWORD size) {
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        DWORD n = 0;
        if (!ReadFile(pipe, bytes, size, &n, nullptr) || n == 0)
            return false;
        bytes += n;
        size -= n;
    }
    return true;
}

void Serve(HANDLE pipe, const RequestHandler& handler) {
    auto request = std::make_unique<vmouse_request>();
    auto reply = std::make_unique<vmouse_reply>();
    for (;;) {
        if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED)
            continue;
        if (ReadWhole(pipe, request.get(), sizeof *request)) {
            request->device[VMOUSE_KEY_SIZE - 1] = 0;
            request->length = std::min<uint32_t>(request->length, VMOUSE_DATA_SIZE);
            BridgeReply answer = handler(*request);
            if (answer.late)
                Sleep(kNoAnswerMs);
            *reply = {};
            reply->status = answer.status;
            reply->length =
                static_cast<uint32_t>(std::min<size_t>(answer.data.size(), VMOUSE_DATA_SIZE));
            std::copy_n(answer.data.begin(), reply->length, reply->data);
            DWORD written = 0;
            WriteFile(pipe, reply.get(), sizeof *reply, &written, nullptr);
            // The driver closes its end once it has the reply.
            char ignored;
            DWORD n = 0;
            ReadFile(pipe, &ignored, 1, &n, nullptr);
        }
        DisconnectNamedPipe(pipe);
    }
}

} // namespace

bool ServeDriverPipe(RequestHandler handler) {
    for (int i = 0; i < kInstances; ++i) {
        HANDLE pipe =
            CreateNamedPipeA("\\\\.\\pipe\\" VMOUSE_PIPE_NAME,
                             PIPE_ACCESS_DUPLEX | (i == 0 ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0),
                             PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, kInstances,
                             sizeof(vmouse_reply), sizeof(vmouse_request), 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE)
            return false;
        std::thread([pipe, handler] { Serve(pipe, handler); }).detach();
    }
    return true;
}

} // namespace mervik::vmouse
