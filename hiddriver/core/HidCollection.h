#pragma once
// One HID collection of the mouse as the system describes it: the lengths the
// HID parser gives (report id byte included, 0 when the collection has no
// such report), the report id of each kind (0 when its reports are not
// numbered), and whether it opens for reading and writing (the system holds
// the pointer's own collection, which then opens only without access rights).
#include <cstdint>
#include <string>

namespace mervik::hid {

inline constexpr uint16_t kUsagePageGenericDesktop = 0x01;

struct HidCollection {
    std::string path;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t inputLength = 0;
    uint16_t outputLength = 0;
    uint16_t featureLength = 0;
    uint8_t inputReportId = 0;
    uint8_t outputReportId = 0;
    uint8_t featureReportId = 0;
    bool opensReadWrite = false;
};

} // namespace mervik::hid
