#pragma once
// Starts a program with the shell's "open" verb, shown.
#include "service/core/MonitorPorts.h"

namespace mervik {

class Win32ProgramLauncher final : public ProgramLauncher {
public:
    void Open(const std::string& path) override;
};

} // namespace mervik
