#include "protocol/ReportRate.h"

#include <array>

namespace mervik::wire {

namespace {

constexpr std::array<ReportRate, 4> kReportRates = {{
    {0, 125, 8},
    {1, 250, 4},
    {2, 500, 2},
    {3, 1000, 1},
}};
constexpr int32_t kDefaultPollingRate = 2;

} // namespace

std::span<const ReportRate> ReportRates() {
    return kReportRates;
}

std::optional<ReportRate> RateOfPollingRate(int32_t pollingRate) {
    for (const ReportRate& rate : kReportRates)
        if (rate.pollingRate == pollingRate)
            return rate;
    return std::nullopt;
}

std::optional<ReportRate> RateOfInterval(int intervalMs) {
    for (const ReportRate& rate : kReportRates)
        if (rate.intervalMs == intervalMs)
            return rate;
    return std::nullopt;
}

uint8_t ReportIntervalMs(int32_t pollingRate) {
    const auto rate = RateOfPollingRate(pollingRate);
    return rate ? rate->intervalMs : kReportRates[kDefaultPollingRate].intervalMs;
}

} // namespace mervik::wire
