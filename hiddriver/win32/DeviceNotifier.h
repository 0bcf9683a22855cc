#pragma once
// Follows the mouse's arrival and removal: a message-only window on its own
// thread registers for HID interface notifications and reports when the first
// of the mouse's interfaces appears or the last one goes. A mouse with
// several collections thus gives one arrival and one removal, not one each.
#include <windows.h>

#include <functional>
#include <set>
#include <string>

#include "hiddriver/win32/LibraryThread.h"

namespace mervik::hid {

class DeviceNotifier {
public:
    using OnPresence = std::function<void(bool present)>;

    bool Start(uint16_t vendorId, uint16_t productId, OnPresence onPresence);
    void Stop() { thread_.Stop(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Run(HANDLE stop);
    void OnDeviceChange(WPARAM event, LPARAM data);

    uint16_t vendorId_ = 0;
    uint16_t productId_ = 0;
    OnPresence onPresence_;
    std::set<std::string> present_; // lower-case interface paths of the mouse
    win::LibraryThread thread_;
};

} // namespace mervik::hid
