#pragma once
// Pointer settings for the running session. Each call only notifies: nothing
// is written to the user's profile here.
#include <windows.h>

#include "service/core/MonitorPorts.h"

namespace mervik {

class Win32PointerSystem final : public PointerSystem {
public:
    // `window` is told of each change, as other top-level windows are.
    explicit Win32PointerSystem(HWND window) : window_(window) {}

    void SetDoubleClickTime(int ms) override;
    void SetButtonsSwapped(bool swapped) override;
    void SetAcceleration(const Acceleration& acceleration) override;
    void SetPointerSpeed(int speed) override;
    void SetWheelLines(int lines) override;

private:
    HWND window_;
};

} // namespace mervik
