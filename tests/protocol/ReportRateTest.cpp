#include "protocol/ReportRate.h"

#include <gtest/gtest.h>

namespace mervik::wire {
namespace {

// Every rate survives the trip profile -> mouse -> profile, and the three
// columns agree with each other.
TEST(ReportRate, EveryRateRoundTripsThroughTheMouse) {
    ASSERT_EQ(ReportRates().size(), 4u);
    for (const ReportRate& rate : ReportRates()) {
        SCOPED_TRACE(rate.pollingRate);
        const uint8_t sent = ReportIntervalMs(rate.pollingRate);
        const auto back = RateOfInterval(sent);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->pollingRate, rate.pollingRate);
        EXPECT_EQ(rate.reportsPerSecond * rate.intervalMs, 1000);
    }
}

TEST(ReportRate, KnownValuesAndTheDefaultForOthers) {
    EXPECT_EQ(ReportIntervalMs(0), 8);
    EXPECT_EQ(ReportIntervalMs(3), 1);
    for (int32_t outside : {-1, 4, 1000})
        EXPECT_EQ(ReportIntervalMs(outside), 2) << outside;
    EXPECT_FALSE(RateOfPollingRate(-1).has_value());
    for (int interval : {0, 3, 5, 16, -8})
        EXPECT_FALSE(RateOfInterval(interval).has_value()) << interval;
    EXPECT_EQ(RateOfPollingRate(1)->reportsPerSecond, 250);
}

} // namespace
} // namespace mervik::wire
