#include "hiddriver/win32/DeviceNotifier.h"

#include <dbt.h>
#include "hiddriver/win32/HidSdk.h"

#include <string>
#include <vector>

#include "hiddriver/win32/HidInterfaces.h"
#include "hiddriver/win32/HidTrace.h"
#include "win32/Window.h"

namespace mervik::hid {

namespace {

// A Unicode window: the system hands it the interface path as UTF-16 (Wine
// hands a window the wide form whichever way it registered).
constexpr wchar_t kWindowClass[] = L"MervikHidDriverNotifier";

// Device interface paths are ASCII.
std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (; *text; ++text)
        narrow.push_back(*text < 0x80 ? static_cast<char>(*text) : '?');
    return narrow;
}

// The window the system tells of HID interfaces that come and go; it lives
// on the library's thread from its creation to its destruction.
class NotificationWindow final : public win::Window {
public:
    using OnDeviceChange = std::function<void(WPARAM event, LPARAM data)>;

    explicit NotificationWindow(OnDeviceChange onChange) : onChange_(std::move(onChange)) {}
    ~NotificationWindow() override {
        Destroy();
        // The library may be unloaded and loaded again elsewhere.
        UnregisterWindowClass(kWindowClass);
    }

    bool Create() { return CreateMessageOnly(kWindowClass); }

private:
    LRESULT WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_DEVICECHANGE)
            return Default();
        onChange_(wParam, lParam);
        return TRUE;
    }

    OnDeviceChange onChange_;
};

} // namespace

bool DeviceNotifier::Start(uint16_t vendorId, uint16_t productId, OnPresence onPresence) {
    onPresence_ = std::move(onPresence);
    presence_.emplace(vendorId, productId);
    std::vector<std::string> paths;
    for (const HidCollection& c : FindHidCollections(vendorId, productId))
        paths.push_back(c.path);
    presence_->Reset(paths);
    return thread_.Start([this](HANDLE stop) { Run(stop); });
}

void DeviceNotifier::Run(HANDLE stop) {
    NotificationWindow window([this](WPARAM event, LPARAM data) { OnDeviceChange(event, data); });
    if (!window.Create()) {
        TraceFailure("CreateWindowEx", "the notification window");
        return;
    }

    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    HidD_GetHidGuid(&filter.dbcc_classguid);
    HDEVNOTIFY registration =
        RegisterDeviceNotificationW(window.Hwnd(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (!registration)
        TraceFailure("RegisterDeviceNotification", "the HID interface class");

    while (MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    if (registration)
        UnregisterDeviceNotification(registration);
}

void DeviceNotifier::OnDeviceChange(WPARAM event, LPARAM data) {
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE)
        return;
    auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return;
    auto* iface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    const std::string path = Narrow(iface->dbcc_name);
    std::optional<bool> change =
        event == DBT_DEVICEARRIVAL ? presence_->Arrived(path) : presence_->Removed(path);
    if (change)
        onPresence_(*change);
}

} // namespace mervik::hid
