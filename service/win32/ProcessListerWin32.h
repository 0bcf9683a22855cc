#pragma once
// The foreground window's program, from a snapshot of all processes.
#include "service/core/MonitorPorts.h"

namespace mervik {

class Win32ProcessLister final : public ProcessLister {
public:
    std::optional<std::string> ForegroundExecutable() override;
};

} // namespace mervik
