#pragma once
// What the mouse keeps in its own memory, as the simulated mouse holds it.
#include <array>
#include <cstdint>

#include "protocol/DeviceReports.h"

namespace mervik::sim {

struct MouseMemory {
    uint8_t reportIntervalMs = 2;
    std::array<uint8_t, 3> lighting{2, 5, 3}; // mode, value, value 2
    std::array<uint8_t, wire::kColourBlockSize> colours{};
    std::array<uint8_t, wire::kDpiBlockSize> dpiLevels{0x03, 0x04, 0x05, 0x06,
                                                       0x07, 0x08, 0x80, 0x80};
    uint8_t activeLevel = 3; // 1..6
    std::array<uint8_t, wire::kButtonMapSize> buttonMap{};
    std::array<std::array<uint8_t, wire::kBankSize>, wire::kBankCount> banks{};
    uint32_t fixedReports = 0; // how many 0x03 reports arrived
};

} // namespace mervik::sim
