#pragma once
// The mouse's events as its input reports carry them: behind the report id,
// the event class (2 bytes) then its value (2 bytes), high byte first. What
// follows is padding up to the collection's input length.
#include <cstdint>
#include <optional>
#include <span>

namespace mervik::hid {

inline constexpr size_t kEventBytes = 4;

struct DeviceEventReport {
    uint16_t eventClass = 0;
    uint16_t value = 0;
};

// Nothing for a report too short to hold an event.
std::optional<DeviceEventReport> DecodeEvent(std::span<const uint8_t> body);

} // namespace mervik::hid
