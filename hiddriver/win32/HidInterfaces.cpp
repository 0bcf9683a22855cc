#include "hiddriver/win32/HidInterfaces.h"

#include <windows.h>

#include <setupapi.h>
#include "hiddriver/win32/HidSdk.h"

#include <string>

#include "hiddriver/win32/HidTrace.h"
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

// The id of a kind's reports: every report of a kind of ours shares one, so
// the first value or button a report holds names it.
uint8_t ReportId(HIDP_REPORT_TYPE type, USHORT values, USHORT buttons,
                 PHIDP_PREPARSED_DATA preparsed) {
    if (values > 0) {
        std::vector<HIDP_VALUE_CAPS> caps(values);
        if (HidP_GetValueCaps(type, caps.data(), &values, preparsed) == HIDP_STATUS_SUCCESS &&
            values > 0)
            return caps[0].ReportID;
    }
    if (buttons > 0) {
        std::vector<HIDP_BUTTON_CAPS> caps(buttons);
        if (HidP_GetButtonCaps(type, caps.data(), &buttons, preparsed) == HIDP_STATUS_SUCCESS &&
            buttons > 0)
            return caps[0].ReportID;
    }
    return 0;
}

bool OpensReadWrite(const std::string& path) {
    win::UniqueHandle device(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         0, nullptr));
    return static_cast<bool>(device);
}

bool Describe(HidCollection& c, uint16_t vendorId, uint16_t productId) {
    win::UniqueHandle device(CreateFileA(c.path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    if (!device)
        return false; // not ours to report: any HID device of the system may refuse
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (!HidD_GetAttributes(device.get(), &attributes) || attributes.VendorID != vendorId ||
        attributes.ProductID != productId)
        return false;
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(device.get(), &preparsed)) {
        TraceFailure("HidD_GetPreparsedData", c.path);
        return false;
    }
    HIDP_CAPS caps{};
    const bool described = HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
    if (described) {
        c.usagePage = caps.UsagePage;
        c.usage = caps.Usage;
        c.inputLength = caps.InputReportByteLength;
        c.outputLength = caps.OutputReportByteLength;
        c.featureLength = caps.FeatureReportByteLength;
        c.inputReportId =
            ReportId(HidP_Input, caps.NumberInputValueCaps, caps.NumberInputButtonCaps, preparsed);
        c.outputReportId = ReportId(HidP_Output, caps.NumberOutputValueCaps,
                                    caps.NumberOutputButtonCaps, preparsed);
        c.featureReportId = ReportId(HidP_Feature, caps.NumberFeatureValueCaps,
                                     caps.NumberFeatureButtonCaps, preparsed);
    } else {
        Trace(std::string("hiddriver: HidP_GetCaps on ") + c.path + " failed");
    }
    HidD_FreePreparsedData(preparsed);
    c.opensReadWrite = described && OpensReadWrite(c.path);
    return described;
}

} // namespace

std::vector<HidCollection> FindHidCollections(uint16_t vendorId, uint16_t productId) {
    GUID hidGuid;
    HidD_GetHidGuid(&hidGuid);
    DeviceInfoList devices(
        SetupDiGetClassDevsA(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    std::vector<HidCollection> found;
    if (!devices) {
        TraceFailure("SetupDiGetClassDevs", "the HID interface list");
        return found;
    }
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    for (DWORD i = 0; SetupDiEnumDeviceInterfaces(devices.get(), nullptr, &hidGuid, i, &data);
         ++i) {
        HidCollection c;
        c.path = InterfacePath(devices.get(), data);
        if (!c.path.empty() && Describe(c, vendorId, productId))
            found.push_back(std::move(c));
    }
    return found;
}

} // namespace mervik::hid
