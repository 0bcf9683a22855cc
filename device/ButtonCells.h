#pragma once
// The 4-byte cell that tells the mouse what one button does.
#include <array>
#include <cstdint>

#include "protocol/DeviceReports.h"
#include "settings/ButtonAssignment.h"

namespace mervik {

using ButtonCell = std::array<uint8_t, wire::kCellSize>;

// The cell of the slot's function from the command table with the code's own
// rule applied; a code without a row gives an empty cell. A cell that plays a
// sequence leaves its bank number (byte 2) for the caller to fill. The repeat
// function takes its speed from the profile's OTGSpeed.
ButtonCell CellFor(const ButtonAssignment& slot, int slotIndex, int32_t otgSpeed);

bool PlaysSequence(const ButtonCell& cell);

} // namespace mervik
