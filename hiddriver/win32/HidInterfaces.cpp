#include "hiddriver/win32/HidInterfaces.h"

#include <windows.h>

#include <setupapi.h>
#include "hiddriver/win32/HidSdk.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "win32/UniqueHandleWin32.h"

namespace mervik::hid {

namespace {

struct DeviceInfoListTraits {
    using Handle = HDEVINFO;
    static bool Valid(HDEVINFO h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HDEVINFO h) { SetupDiDestroyDeviceInfoList(h); }
};
using DeviceInfoList = win::UniqueOwner<DeviceInfoListTraits>;

std::string InterfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& data) {
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailA(set, &data, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
        return {};
    std::vector<char> buffer(size);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    if (!SetupDiGetDeviceInterfaceDetailA(set, &data, detail, size, nullptr, nullptr))
        return {};
    return detail->DevicePath;
}

// Attributes and capabilities need no access rights, so a collection the
// system holds (the pointer itself) can still be described.
bool Describe(HidInterfaceInfo& info, uint16_t vendorId, uint16_t productId) {
    win::UniqueHandle device(CreateFileA(info.path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    if (!device)
        return false;
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (!HidD_GetAttributes(device.get(), &attributes) || attributes.VendorID != vendorId ||
        attributes.ProductID != productId)
        return false;
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(device.get(), &preparsed))
        return false;
    HIDP_CAPS caps{};
    const bool described = HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
    HidD_FreePreparsedData(preparsed);
    info.usagePage = caps.UsagePage;
    info.featureLength = caps.FeatureReportByteLength;
    info.outputLength = caps.OutputReportByteLength;
    info.inputLength = caps.InputReportByteLength;
    return described;
}

} // namespace

std::vector<HidInterfaceInfo> FindHidInterfaces(uint16_t vendorId, uint16_t productId) {
    GUID hidGuid;
    HidD_GetHidGuid(&hidGuid);
    DeviceInfoList devices(
        SetupDiGetClassDevsA(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    std::vector<HidInterfaceInfo> found;
    if (!devices)
        return found;
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    for (DWORD i = 0; SetupDiEnumDeviceInterfaces(devices.get(), nullptr, &hidGuid, i, &data);
         ++i) {
        HidInterfaceInfo info;
        info.path = InterfacePath(devices.get(), data);
        if (!info.path.empty() && Describe(info, vendorId, productId))
            found.push_back(std::move(info));
    }
    return found;
}

bool PathNamesDevice(const std::string& path, uint16_t vendorId, uint16_t productId) {
    char pattern[32];
    std::snprintf(pattern, sizeof pattern, "vid_%04x&pid_%04x", vendorId, productId);
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return lower.find(pattern) != std::string::npos;
}

} // namespace mervik::hid
