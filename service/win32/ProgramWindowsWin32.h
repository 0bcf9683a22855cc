#pragma once
// The other programs' top-level windows, by caption.
#include "service/core/MonitorPorts.h"

namespace mervik {

class Win32ProgramWindows final : public ProgramWindows {
public:
    Handle Find(const char* caption) override;
    bool Post(Handle window, unsigned message, uintptr_t wParam, intptr_t lParam) override;
    void Activate(Handle window) override;
};

} // namespace mervik
