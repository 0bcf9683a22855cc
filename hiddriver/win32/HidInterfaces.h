#pragma once
// The HID interfaces (top-level collections) of one device, found through
// SetupAPI by vendor and product id, with the report lengths the HID parser
// gives for each.
#include <cstdint>
#include <string>
#include <vector>

namespace mervik::hid {

struct HidInterfaceInfo {
    std::string path;
    uint16_t usagePage = 0;
    uint16_t featureLength = 0; // HIDP_CAPS lengths, report id byte included
    uint16_t outputLength = 0;
    uint16_t inputLength = 0;
};

std::vector<HidInterfaceInfo> FindHidInterfaces(uint16_t vendorId, uint16_t productId);

// Whether a device interface path names this vendor and product
// ("...vid_1017&pid_8003..." in any case).
bool PathNamesDevice(const std::string& path, uint16_t vendorId, uint16_t productId);

} // namespace mervik::hid
