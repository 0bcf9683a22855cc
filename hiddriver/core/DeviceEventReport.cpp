#include "hiddriver/core/DeviceEventReport.h"

namespace mervik::hid {

std::optional<DeviceEventReport> DecodeEvent(std::span<const uint8_t> body) {
    if (body.size() < kEventBytes)
        return std::nullopt;
    return DeviceEventReport{static_cast<uint16_t>(body[0] << 8 | body[1]),
                             static_cast<uint16_t>(body[2] << 8 | body[3])};
}

} // namespace mervik::hid
