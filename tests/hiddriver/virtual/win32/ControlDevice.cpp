#include "tests/hiddriver/virtual/win32/ControlDevice.h"

#include <windows.h>

#include <algorithm>

#include "win32/UniqueHandleWin32.h"

namespace mervik::vmouse {

bool SendInput(const InputReport& input, std::string& error) {
    // Opened for each report: the driver, and its control device, may have
    // come back since the last one.
    win::UniqueHandle control(CreateFileA("\\\\.\\" VMOUSE_CONTROL_NAME,
                                          GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                          0, nullptr));
    if (!control) {
        error = "control device: error " + std::to_string(GetLastError());
        return false;
    }
    vmouse_input report{};
    std::copy_n(input.key.begin(), std::min<size_t>(input.key.size(), VMOUSE_KEY_SIZE - 1),
                report.device);
    report.length = static_cast<uint32_t>(std::min<size_t>(input.data.size(), VMOUSE_DATA_SIZE));
    std::copy_n(input.data.begin(), report.length, report.data);
    DWORD returned = 0;
    if (!DeviceIoControl(control.get(), IOCTL_VMOUSE_INPUT, &report, sizeof report, nullptr, 0,
                         &returned, nullptr)) {
        error = "input report for " + input.key + ": error " + std::to_string(GetLastError());
        return false;
    }
    return true;
}

} // namespace mervik::vmouse
