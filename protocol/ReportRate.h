#pragma once
// The report rates the mouse knows, in one table: the profile's PollingRate
// index, the reports a second the user sees, and the report interval in ms
// that the mouse is sent and announces when its own rate button is pressed.
#include <cstdint>
#include <optional>
#include <span>

namespace mervik::wire {

struct ReportRate {
    int32_t pollingRate;  // the profile's PollingRate
    int reportsPerSecond; // what the user is shown
    uint8_t intervalMs;   // what the mouse is sent and announces
};

// In the order of the mouse's own rate button: 125, 250, 500, 1000 a second.
std::span<const ReportRate> ReportRates();

// The rate for a PollingRate index, or none for an index outside the table.
std::optional<ReportRate> RateOfPollingRate(int32_t pollingRate);
// The rate for an interval the mouse announces, or none for an unknown one.
std::optional<ReportRate> RateOfInterval(int intervalMs);

// The interval sent for a PollingRate: an index outside the table sends the
// mouse's default of 500 reports a second.
uint8_t ReportIntervalMs(int32_t pollingRate);

} // namespace mervik::wire
