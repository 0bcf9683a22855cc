#include "service/core/DeviceNotices.h"

#include <array>

#include "protocol/ReportRate.h"

namespace mervik {

namespace {

constexpr std::array<int, 12> kDpiOfLevel = {250,  500,  750,  1000, 1250, 1500,
                                             1750, 2000, 2500, 3000, 3500, 4000};

} // namespace

int DpiOfLevel(int32_t cpiLevel) {
    if (cpiLevel < 1 || cpiLevel > static_cast<int32_t>(kDpiOfLevel.size()))
        return 0;
    return kDpiOfLevel[static_cast<size_t>(cpiLevel - 1)];
}

std::string DpiBalloonText(int32_t cpiLevel) {
    const int dpi = DpiOfLevel(cpiLevel);
    return dpi ? std::to_string(dpi) + " DPI" : std::string();
}

std::string RateBalloonText(int32_t pollingRate) {
    const auto rate = wire::RateOfPollingRate(pollingRate);
    return rate ? std::to_string(rate->reportsPerSecond) + " Hz" : std::string();
}

int32_t ActiveCpiLevel(const ProfileRecord& profile) {
    if (profile.Cpi_X < 0 || profile.Cpi_X >= kDpiStageCount)
        return 0;
    return profile.CpiLevel_X[profile.Cpi_X];
}

// The balloon and the display name the same level, so the user never sees two
// different resolutions for one button press.
std::string OsdDpiText(const ProfileRecord& profile) {
    return "CPI: " + std::to_string(DpiOfLevel(ActiveCpiLevel(profile)));
}

} // namespace mervik
