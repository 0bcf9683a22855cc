#include "device/win32/DeviceLinkWin32.h"

#include "settings/win32/WidePath.h"

#include <vector>

#include "protocol/DeviceMessages.h"

namespace mervik {

namespace {

template <typename Fn> bool Bind(HMODULE library, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return fn != nullptr;
}

} // namespace

Win32DeviceLink::Win32DeviceLink(const std::string& programFolder, HWND window)
    : library_(LoadLibraryW(win::Widen(programFolder + hid::kLibraryName).c_str())),
      window_(window) {
    bound_ = library_ && BindAll();
    if (!bound_)
        library_.reset();
}

bool Win32DeviceLink::BindAll() {
    // Every name is looked up, so a half-bound library is never used.
    HMODULE library = library_.get();
    bool all = Bind(library, hid::kSetVidPid, setVidPid_);
    all &= Bind(library, hid::kOpenDevMonitor, openDevMonitor_);
    all &= Bind(library, hid::kCloseDevMonitor, closeDevMonitor_);
    all &= Bind(library, hid::kOpenFeatureDevice, openFeatureDevice_);
    all &= Bind(library, hid::kCloseFeatureDevice, closeFeatureDevice_);
    all &= Bind(library, hid::kOpenReportDevice, openReportDevice_);
    all &= Bind(library, hid::kCloseReportDevice, closeReportDevice_);
    all &= Bind(library, hid::kSetFeature, setFeature_);
    all &= Bind(library, hid::kGetFeature, getFeature_);
    all &= Bind(library, hid::kWriteUsb, writeUsb_);
    return all;
}

void Win32DeviceLink::SelectDevice(uint16_t vendorId, uint16_t productId) {
    setVidPid_(vendorId, productId);
}

void Win32DeviceLink::StartNotifications() {
    openDevMonitor_(window_, kMsgDeviceEvent, kMsgDeviceChange);
}

void Win32DeviceLink::StopNotifications() {
    closeDevMonitor_();
}

void Win32DeviceLink::OpenFeatureInterface() {
    openFeatureDevice_();
}

void Win32DeviceLink::CloseFeatureInterface() {
    closeFeatureDevice_();
}

bool Win32DeviceLink::OpenReportInterface() {
    return openReportDevice_() != 0;
}

void Win32DeviceLink::CloseReportInterface() {
    closeReportDevice_();
}

bool Win32DeviceLink::SendFeature(const FeatureReport& report) {
    FeatureReport copy = report; // the library takes a non-const buffer
    return setFeature_(copy.data(), static_cast<int>(copy.size())) != 0;
}

bool Win32DeviceLink::ReadFeature(FeatureReport& report) {
    return getFeature_(report.data(), static_cast<int>(report.size())) != 0;
}

bool Win32DeviceLink::WriteBlock(std::span<const uint8_t> block) {
    std::vector<unsigned char> copy(block.begin(), block.end());
    return writeUsb_(copy.data(), static_cast<int>(copy.size())) != 0;
}

} // namespace mervik
