#pragma once
// Follows the mouse's arrival and removal: a message-only window on its own
// thread registers for HID interface notifications and hands them to a
// PresenceCount, which says when the mouse as a whole comes or goes.
#include <windows.h>

#include <functional>
#include <optional>

#include "hiddriver/core/PresenceCount.h"
#include "hiddriver/win32/LibraryThread.h"

namespace mervik::hid {

class DeviceNotifier {
public:
    using OnPresence = std::function<void(bool present)>;

    bool Start(uint16_t vendorId, uint16_t productId, OnPresence onPresence);
    void Stop() { thread_.Stop(); }

private:
    void Run(HANDLE stop);
    void OnDeviceChange(WPARAM event, LPARAM data);

    OnPresence onPresence_;
    std::optional<PresenceCount> presence_;
    win::LibraryThread thread_;
};

} // namespace mervik::hid
