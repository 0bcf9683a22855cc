#pragma once
// The button map of a profile (one cell per slot) and the banks its sequence
// buttons play, numbered from 1 in slot order.
#include <array>
#include <cstdint>
#include <vector>

#include "device/SequenceBanks.h"
#include "settings/ProfileRecord.h"

namespace mervik {

struct ButtonMapImage {
    std::array<uint8_t, wire::kButtonMapSize> cells{};
    std::vector<SequenceBank> banks; // bank n at index n - 1, at most 11
};

// Slots 24..29 stay empty. A sequence button beyond the eleventh bank gets bank
// number 0 and stores nothing.
ButtonMapImage BuildButtonMap(const ProfileRecord& profile);

} // namespace mervik
