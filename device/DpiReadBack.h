#pragma once
// Asks the mouse which DPI level is active and takes the answer into the
// profile.
#include <cstdint>

#include "device/DeviceConnection.h"
#include "settings/ProfileRecord.h"

namespace mervik {

enum class ReadBackOutcome {
    Read,       // Cpi_X now holds the mouse's level
    NoAnswer,   // the request or the read failed; Cpi_X unchanged
    OutOfRange, // the answer named no level 1..6; Cpi_X unchanged
};

struct ReadBackResult {
    ReadBackOutcome outcome = ReadBackOutcome::NoAnswer;
    int level = 0; // the answer's level byte, when there was an answer
};

// Sends the 0x8B request, waits, reads the answer.
// `profile` may be null (no active profile): the device is still asked.
ReadBackResult ReadBackActiveDpiLevel(DeviceConnection& connection, ProfileRecord* profile);

} // namespace mervik
