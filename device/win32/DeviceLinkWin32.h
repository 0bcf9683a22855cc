#pragma once
// hiddriver.dll bound by name from the program folder. When the library or
// any of its ten entry points is missing, the link is unbound and calls none.
#include <windows.h>

#include <string>

#include "device/DeviceLink.h"
#include "hiddriver/HidDriverApi.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik {

class Win32DeviceLink final : public DeviceLink {
public:
    // `programFolder` ends with a separator. Messages 1325 and 1326 go to `window`.
    Win32DeviceLink(const std::string& programFolder, HWND window);
    Win32DeviceLink(const Win32DeviceLink&) = delete;
    Win32DeviceLink& operator=(const Win32DeviceLink&) = delete;

    bool IsBound() const override { return bound_; }
    void SelectDevice(uint16_t vendorId, uint16_t productId) override;
    void StartNotifications() override;
    void StopNotifications() override;
    void OpenFeatureInterface() override;
    void CloseFeatureInterface() override;
    bool OpenReportInterface() override;
    void CloseReportInterface() override;
    bool SendFeature(const FeatureReport& report) override;
    bool ReadFeature(FeatureReport& report) override;
    bool WriteBlock(std::span<const uint8_t> block) override;

private:
    bool BindAll();

    win::UniqueModule library_;
    HWND window_ = nullptr;
    bool bound_ = false;
    SetVidPidFn setVidPid_ = nullptr;
    OpenDevMonitorFn openDevMonitor_ = nullptr;
    CloseDevMonitorFn closeDevMonitor_ = nullptr;
    OpenFeatureDeviceFn openFeatureDevice_ = nullptr;
    CloseFeatureDeviceFn closeFeatureDevice_ = nullptr;
    OpenReportDeviceFn openReportDevice_ = nullptr;
    CloseReportDeviceFn closeReportDevice_ = nullptr;
    SetFeatureFn setFeature_ = nullptr;
    GetFeatureFn getFeature_ = nullptr;
    WriteUsbFn writeUsb_ = nullptr;
};

} // namespace mervik
