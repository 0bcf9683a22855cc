#include "service/core/DeviceNotices.h"

#include <array>

#include "protocol/ReportRate.h"

namespace mervik {

namespace {

constexpr std::string_view kDpiPrefix = "CPI: ";
constexpr std::string_view kRatePrefix = "Rate: ";
constexpr std::string_view kRateSuffix = " Hz";

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
    return std::string(kDpiPrefix) + std::to_string(DpiOfLevel(ActiveCpiLevel(profile)));
}

std::string OsdRateText(int32_t pollingRate) {
    const auto rate = wire::RateOfPollingRate(pollingRate);
    return rate ? std::string(kRatePrefix) + std::to_string(rate->reportsPerSecond) +
                      std::string(kRateSuffix)
                : std::string();
}

namespace {

// Digits only, at most five, so the value is never out of range.
std::optional<int> SmallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 5)
        return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<OsdAnnouncement> ReadOsdAnnouncement(std::string_view text) {
    if (text.starts_with(kDpiPrefix)) {
        if (const auto dpi = SmallNumber(text.substr(kDpiPrefix.size())); dpi && *dpi > 0)
            return OsdAnnouncement{OsdAnnouncement::Kind::Dpi, *dpi};
    } else if (text.starts_with(kRatePrefix) && text.ends_with(kRateSuffix) &&
               text.size() > kRatePrefix.size() + kRateSuffix.size()) {
        const auto digits =
            text.substr(kRatePrefix.size(), text.size() - kRatePrefix.size() - kRateSuffix.size());
        if (const auto rate = SmallNumber(digits); rate && *rate > 0)
            return OsdAnnouncement{OsdAnnouncement::Kind::Rate, *rate};
    }
    return std::nullopt;
}

} // namespace mervik
