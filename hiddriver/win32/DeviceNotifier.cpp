#include "hiddriver/win32/DeviceNotifier.h"

#include <dbt.h>
#include "hiddriver/win32/HidSdk.h"

#include <algorithm>
#include <cctype>

#include "hiddriver/win32/HidInterfaces.h"

namespace mervik::hid {

namespace {

constexpr char kWindowClass[] = "MervikHidDriverNotifier";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return text;
}

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

} // namespace

bool DeviceNotifier::Start(uint16_t vendorId, uint16_t productId, OnPresence onPresence) {
    vendorId_ = vendorId;
    productId_ = productId;
    onPresence_ = std::move(onPresence);
    present_.clear();
    for (const HidInterfaceInfo& info : FindHidInterfaces(vendorId, productId))
        present_.insert(Lower(info.path));
    return thread_.Start([this](HANDLE stop) { Run(stop); });
}

void DeviceNotifier::Run(HANDLE stop) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &DeviceNotifier::WindowProc;
    wc.hInstance = ThisModule();
    wc.lpszClassName = kWindowClass;
    RegisterClassExA(&wc); // fails harmlessly when a previous start registered it
    HWND window = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    if (!window)
        return;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    HidD_GetHidGuid(&filter.dbcc_classguid);
    HDEVNOTIFY registration =
        RegisterDeviceNotificationA(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);

    while (MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    if (registration)
        UnregisterDeviceNotification(registration);
    DestroyWindow(window);
}

LRESULT CALLBACK DeviceNotifier::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* self = reinterpret_cast<DeviceNotifier*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_DEVICECHANGE && self) {
        self->OnDeviceChange(wParam, lParam);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void DeviceNotifier::OnDeviceChange(WPARAM event, LPARAM data) {
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE)
        return;
    auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return;
    auto* iface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(header);
    std::string path = Lower(iface->dbcc_name);
    if (!PathNamesDevice(path, vendorId_, productId_))
        return;
    const bool wasPresent = !present_.empty();
    if (event == DBT_DEVICEARRIVAL)
        present_.insert(path);
    else
        present_.erase(path);
    if (wasPresent != !present_.empty())
        onPresence_(!present_.empty());
}

} // namespace mervik::hid
