#pragma once
// The service's trace lines, to the debugger output.
#include <windows.h>

#include <string>

#include "service/core/MonitorPorts.h"

namespace mervik {

class DebugTrace final : public TraceSink {
public:
    void Trace(std::string_view line) override { OutputDebugStringA(std::string(line).c_str()); }
};

} // namespace mervik
