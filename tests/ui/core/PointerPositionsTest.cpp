#include <gtest/gtest.h>

#include "ui/core/PointerPositions.h"
#include "ui/core/SpinRange.h"

namespace mervik::ui {
namespace {

TEST(PointerPositions, SpeedTableBothWays) {
    const int speeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    for (int position = 1; position <= kSpeedPositions; ++position) {
        EXPECT_EQ(SpeedOfPosition(position), speeds[position - 1]);
        EXPECT_EQ(PositionOfSpeed(speeds[position - 1]), position);
    }
    const int shown[21] = {1, 1, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11};
    for (int value = 0; value <= 20; ++value)
        EXPECT_EQ(PositionOfSpeed(value), shown[value]) << value;
    EXPECT_EQ(PositionOfSpeed(-1), 6);
    EXPECT_EQ(PositionOfSpeed(21), 6);
    EXPECT_EQ(SpeedOfPosition(0), 1);
    EXPECT_EQ(SpeedOfPosition(99), 20);
}

TEST(PointerPositions, DoubleClickSliderRunsFrom900To200) {
    EXPECT_EQ(DoubleClickTimeOfPosition(0), 900);
    EXPECT_EQ(DoubleClickTimeOfPosition(700), 200);
    EXPECT_EQ(DoubleClickTimeOfPosition(800), 200);
    EXPECT_EQ(PositionOfDoubleClickTime(500), 400);
    EXPECT_EQ(PositionOfDoubleClickTime(5000), 0);
    EXPECT_EQ(PositionOfDoubleClickTime(10), 700);
}

TEST(SpinRange, TypedNumbersSettleWithinTheRange) {
    SpinRange speed{-5, 5};
    EXPECT_EQ(speed.TextLimit(), 2);
    EXPECT_EQ(speed.Settle("-9", 0), -5);
    EXPECT_EQ(speed.Settle("7", 0), 5);
    EXPECT_EQ(speed.Settle("-", 3), 3);
    EXPECT_EQ(speed.Settle("", 2), 2);
    EXPECT_EQ(speed.Settle("+4", 0), 4);
    SpinRange wheel{1, 11};
    EXPECT_EQ(wheel.TextLimit(), 2);
    EXPECT_EQ(wheel.Settle("0", 5), 1);
    EXPECT_EQ(wheel.Settle("99999999999999", 5), 11);
}

} // namespace
} // namespace mervik::ui
