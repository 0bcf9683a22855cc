#pragma once
// The short texts the service shows when the mouse changes its own DPI level
// or report interval.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The display's report-rate notice: "Rate: 500 Hz"; empty for a PollingRate
// without a rate.
std::string OsdRateText(int32_t pollingRate);

// What a stored display text announces, read back by the display: the
// resolution of a DPI notice or the rate of a rate notice. Any other text
// (another program's, through WM_COPYDATA) is no announcement and is shown as
// it is.
struct OsdAnnouncement {
    enum class Kind { Dpi, Rate } kind;
    int value; // DPI, or reports a second
};
std::optional<OsdAnnouncement> ReadOsdAnnouncement(std::string_view text);

// The active level's CpiLevel value; 0 when Cpi_X names no level.
int32_t ActiveCpiLevel(const ProfileRecord& profile);

} // namespace mervik
