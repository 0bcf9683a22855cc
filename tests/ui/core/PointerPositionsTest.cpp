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

#include <cstring>

#include "ui/core/PointerEdits.h"

namespace mervik::ui {
namespace {

ProfileRecord Profile() {
    ProfileRecord profile;
    std::memset(&profile, 0, sizeof profile);
    profile.MouseSpeed = 10;
    profile.ScrollWheelSpeed = 3;
    profile.DbleClickSpeed = 500;
    profile.Sensitivity_X = 10;
    profile.Sensitivity_Y = 10;
    return profile;
}

TEST(PointerEdits, ControlsStoreTheirValuesAndEchoesChangeNothing) {
    ProfileRecord profile = Profile();
    EXPECT_FALSE(TakePointerInput(profile, PointerInput::SpeedSlider, 6)); // 10 already
    EXPECT_TRUE(TakePointerInput(profile, PointerInput::SpeedNumber, 5));
    EXPECT_EQ(profile.MouseSpeed, 20);
    EXPECT_EQ(ViewOfProfile(profile).speedPosition, 11);
    EXPECT_EQ(ViewOfProfile(profile).speedNumber, 5);
    EXPECT_TRUE(TakePointerInput(profile, PointerInput::SpeedNumber, -5));
    EXPECT_EQ(profile.MouseSpeed, 1);
    EXPECT_TRUE(TakePointerInput(profile, PointerInput::WheelNumber, 11));
    EXPECT_FALSE(TakePointerInput(profile, PointerInput::WheelSlider, 11));
    EXPECT_TRUE(TakePointerInput(profile, PointerInput::DoubleClickSlider, 700));
    EXPECT_EQ(profile.DbleClickSpeed, 200);
}

TEST(PointerEdits, LinkedAxesMoveTogether) {
    ProfileRecord profile = Profile();
    TakePointerInput(profile, PointerInput::SensitivityXSlider, 3);
    EXPECT_EQ(profile.Sensitivity_X, 4);
    EXPECT_EQ(profile.Sensitivity_Y, 10); // not linked yet
    SetXYSynchronous(profile, true);
    EXPECT_EQ(profile.Sensitivity_Y, 4);
    EXPECT_TRUE(TakePointerInput(profile, PointerInput::SensitivityYSlider, 10));
    EXPECT_EQ(profile.Sensitivity_X, 18);
    EXPECT_EQ(profile.Sensitivity_Y, 18);
    EXPECT_EQ(ViewOfProfile(profile).sensitivityX, 10);
}

TEST(PointerEdits, ChecksAndTheirFields) {
    ProfileRecord profile = Profile();
    SetAcceleration(profile, true);
    EXPECT_EQ(profile.AccelerationFlag, 1);
    EXPECT_EQ(profile.Acceleration, 8);
    SetAcceleration(profile, false);
    EXPECT_EQ(profile.Acceleration, 0);
    SetWheelPage(profile, true);
    EXPECT_TRUE(ViewOfProfile(profile).wheelPage);
    profile.ScrollWheelSpeed = -1; // a page, as the registry keeps it
    EXPECT_EQ(ViewOfProfile(profile).wheelLines, 1);
}

} // namespace
} // namespace mervik::ui
