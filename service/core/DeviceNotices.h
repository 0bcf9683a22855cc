#pragma once
// The short texts the service shows when the mouse changes its own DPI level
// or report interval.
#include <cstdint>
#include <string>

#include "settings/ProfileRecord.h"

namespace mervik {

// The resolution a CpiLevel value stands for, 0 for a value without one.
int DpiOfLevel(int32_t cpiLevel);

// "250 DPI" .. "4000 DPI"; empty for a value without a resolution.
std::string DpiBalloonText(int32_t cpiLevel);

// "125 Hz" .. "1000 Hz" for PollingRate 0..3; empty otherwise.
std::string RateBalloonText(int32_t pollingRate);

// The on-screen display's DPI notice for the profile's active level.
std::string OsdDpiText(const ProfileRecord& profile);

// The active level's CpiLevel value; 0 when Cpi_X names no level.
int32_t ActiveCpiLevel(const ProfileRecord& profile);

} // namespace mervik
