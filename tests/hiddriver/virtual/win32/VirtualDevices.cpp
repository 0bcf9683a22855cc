#include "tests/hiddriver/virtual/win32/VirtualDevices.h"

#include <windows.h>

#include <newdev.h>
#include <setupapi.h>
extern "C" {
#include <hidsdi.h>
}

#include <vector>

#include "hiddriver/core/PresenceCount.h"
#include "protocol/DeviceIds.h"
#include "tests/hiddriver/virtual/VirtualMouseWire.h"

namespace mervik::vmouse {

namespace {

// The INF gives the device its class.
constexpr GUID kNoClass{};

struct DeviceList {
    HDEVINFO set;
    explicit DeviceList(HDEVINFO s) : set(s) {}
    ~DeviceList() {
        if (set != INVALID_HANDLE_VALUE)
            SetupDiDestroyDeviceInfoList(set);
    }
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;
};

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// A hardware id list: the id, then the list's closing empty string.
std::wstring MultiString(const std::string& id) {
    std::wstring list = Wide(id);
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

bool Fail(std::string& error, const std::string& step) {
    error = step + " failed: error " + std::to_string(GetLastError());
    return false;
}

std::string HardwareId(HDEVINFO set, SP_DEVINFO_DATA& device) {
    wchar_t ids[256] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(set, &device, SPDRP_HARDWAREID, nullptr,
                                           reinterpret_cast<BYTE*>(ids), sizeof ids - 2, nullptr))
        return {};
    std::string id;
    for (const wchar_t* c = ids; *c; ++c)
        id.push_back(static_cast<char>(*c));
    return id;
}

} // namespace

bool VirtualDevices::Create(const VirtualCollection& c, std::string& error) {
    DeviceList list(SetupDiCreateDeviceInfoList(nullptr, nullptr));
    if (list.set == INVALID_HANDLE_VALUE)
        return Fail(error, "SetupDiCreateDeviceInfoList");
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    const std::wstring instance = Wide(c.instanceId);
    const std::wstring ids = MultiString(c.key);
    if (!SetupDiCreateDeviceInfoW(list.set, instance.c_str(), &kNoClass, nullptr, nullptr, 0,
                                  &device))
        return Fail(error, "SetupDiCreateDeviceInfo " + c.instanceId);
    if (!SetupDiSetDeviceRegistryPropertyW(list.set, &device, SPDRP_HARDWAREID,
                                           reinterpret_cast<const BYTE*>(ids.data()),
                                           static_cast<DWORD>(ids.size() * sizeof(wchar_t))))
        return Fail(error, "SetupDiSetDeviceRegistryProperty");
    if (!SetupDiCallClassInstaller(DIF_REGISTERDEVICE, list.set, &device))
        return Fail(error, "DIF_REGISTERDEVICE");
    BOOL reboot = FALSE;
    if (!UpdateDriverForPlugAndPlayDevicesW(nullptr, ids.c_str(), infPath_.c_str(),
                                            INSTALLFLAG_FORCE, &reboot))
        return Fail(error, "UpdateDriverForPlugAndPlayDevices");
    return true;
}

bool VirtualDevices::Remove(const VirtualCollection& c, std::string& error) {
    DeviceList list(SetupDiCreateDeviceInfoList(nullptr, nullptr));
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    const std::wstring instance = Wide(c.instanceId);
    if (!SetupDiOpenDeviceInfoW(list.set, instance.c_str(), nullptr, 0, &device))
        return GetLastError() == ERROR_NO_SUCH_DEVINST || Fail(error, "SetupDiOpenDeviceInfo");
    if (!SetupDiCallClassInstaller(DIF_REMOVE, list.set, &device))
        return Fail(error, "DIF_REMOVE " + c.instanceId);
    return true;
}

int VirtualDevices::RemoveAll() {
    DeviceList list(SetupDiGetClassDevsW(nullptr, L"ROOT", nullptr, DIGCF_ALLCLASSES));
    if (list.set == INVALID_HANDLE_VALUE)
        return 0;
    int removed = 0;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(list.set, i, &device); ++i) {
        if (HardwareId(list.set, device).rfind(VMOUSE_HARDWARE_ID_PREFIX, 0) != 0)
            continue;
        if (SetupDiCallClassInstaller(DIF_REMOVE, list.set, &device))
            ++removed;
    }
    return removed;
}

int PresentMouseCollections() {
    GUID hid;
    HidD_GetHidGuid(&hid);
    DeviceList list(
        SetupDiGetClassDevsA(&hid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (list.set == INVALID_HANDLE_VALUE)
        return 0;
    int present = 0;
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    for (DWORD i = 0; SetupDiEnumDeviceInterfaces(list.set, nullptr, &hid, i, &data); ++i) {
        char buffer[1024];
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer);
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (SetupDiGetDeviceInterfaceDetailA(list.set, &data, detail, sizeof buffer, nullptr,
                                             nullptr) &&
            hid::PathNamesDevice(detail->DevicePath, kMouseVendorId, kMouseProductId))
            ++present;
    }
    return present;
}

} // namespace mervik::vmouse
