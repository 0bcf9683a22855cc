#include "hiddriver/win32/HidTrace.h"

#include "hiddriver/core/TraceText.h"

namespace mervik::hid {

void Trace(const std::string& line) {
    OutputDebugStringA((line + "\n").c_str());
}

std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "no text for this error";
    LocalFree(text);
    return message;
}

void TraceFailure(const std::string& call, const std::string& path) {
    TraceFailure(call, path, GetLastError());
}

void TraceFailure(const std::string& call, const std::string& path, DWORD error) {
    Trace(FailureTrace(call, path, error, SystemErrorText(error)));
    SetLastError(error);
}

} // namespace mervik::hid
