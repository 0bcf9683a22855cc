#pragma once
// Writes the library's trace lines to the debugger output (see TraceText.h).
#include <windows.h>

#include <string>

namespace mervik::hid {

void Trace(const std::string& line);

// The system's text for an error, as FormatMessage gives it.
std::string SystemErrorText(DWORD error);

// Traces `call` on `path` with the calling thread's last error, and leaves
// that error in place for the caller.
void TraceFailure(const std::string& call, const std::string& path);
void TraceFailure(const std::string& call, const std::string& path, DWORD error);

} // namespace mervik::hid
