#include <gtest/gtest.h>

#include <memory>

#include "settings/PointerSettings.h"
#include "settings/ProfileDefaults.h"
#include "tests/support/FakeRegistryStore.h"

namespace mervik {
namespace {

using testing::FakeRegistryStore;

class PointerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProfile(*profile, 0); }
    std::unique_ptr<ProfileRecord> profile = std::make_unique<ProfileRecord>();
    FakeRegistryStore registry;
};

TEST_F(PointerSettingsTest, WritesEveryValueFromTheProfile) {
    profile->DbleClickSpeed = 420;
    profile->MouseSpeed = 14;
    profile->AccelerationFlag = 1;
    profile->Acceleration = 12;
    profile->ScrollWheelSpeed = 7;
    EXPECT_EQ(WritePointerSettings(*profile, registry), 1);
    EXPECT_EQ(registry.Mouse("DoubleClickSpeed"), "420");
    EXPECT_EQ(registry.Mouse("MouseSensitivity"), "14");
    EXPECT_EQ(registry.Mouse("MouseSpeed"), "2");
    EXPECT_EQ(registry.Mouse("MouseThreshold1"), "4");
    EXPECT_EQ(registry.Mouse("MouseThreshold2"), "12");
    EXPECT_EQ(registry.Desktop("WheelScrollLines"), "7");
}

TEST_F(PointerSettingsTest, AccelerationRowIsClampedAndOffMeansRowZero) {
    profile->AccelerationFlag = 1;
    profile->Acceleration = 25;
    WritePointerSettings(*profile, registry);
    EXPECT_EQ(registry.Mouse("MouseSpeed") + registry.Mouse("MouseThreshold1") +
                  registry.Mouse("MouseThreshold2"),
              "245");
    profile->Acceleration = -3;
    EXPECT_EQ(AccelerationRowOf(*profile), 0);
    profile->Acceleration = 9;
    profile->AccelerationFlag = 0;
    EXPECT_EQ(AccelerationRowOf(*profile), 0);
}

TEST_F(PointerSettingsTest, WheelScrollingAPageRoundTripsAsMinusOne) {
    registry.values[{RegistryKey::Desktop, "WheelScrollLines"}] = "-1";
    EXPECT_EQ(ReadPointerSettings(*profile, registry), 1);
    EXPECT_EQ(profile->ScrollWheelSpeed, 0);
    EXPECT_EQ(profile->ScrollWheelFlag, 1);
    WritePointerSettings(*profile, registry);
    EXPECT_EQ(registry.Desktop("WheelScrollLines"), "-1");
}

TEST_F(PointerSettingsTest, AccelerationIsTheLastMatchingRow) {
    registry.SetAccelerationValues("1", "6", "0");
    ReadPointerSettings(*profile, registry);
    EXPECT_EQ(profile->Acceleration, 8);
    EXPECT_EQ(profile->AccelerationFlag, 1);

    profile->Acceleration = 2;
    registry.SetAccelerationValues("1", "6", "10"); // no row allows threshold 2 of 10 at speed 1
    ReadPointerSettings(*profile, registry);
    EXPECT_EQ(profile->Acceleration, 2);
    EXPECT_EQ(profile->AccelerationFlag, 0);

    registry.SetAccelerationValues("0", "0", "0");
    ReadPointerSettings(*profile, registry);
    EXPECT_EQ(profile->Acceleration, 0);
}

TEST_F(PointerSettingsTest, MissingValuesAndKeysLeaveFieldsAlone) {
    profile->DbleClickSpeed = 333;
    profile->ScrollWheelSpeed = 9;
    profile->Acceleration = 6;
    EXPECT_EQ(ReadPointerSettings(*profile, registry), 1);
    EXPECT_EQ(profile->DbleClickSpeed, 333);
    EXPECT_EQ(profile->ScrollWheelSpeed, 9);
    EXPECT_EQ(profile->Acceleration, 6);

    registry.values[{RegistryKey::Mouse, "DoubleClickSpeed"}] = "12abc";
    registry.mouseOpens = false;
    EXPECT_EQ(ReadPointerSettings(*profile, registry), 0);
    EXPECT_EQ(profile->DbleClickSpeed, 333);
    EXPECT_EQ(WritePointerSettings(*profile, registry), -1);

    registry.mouseOpens = true;
    registry.desktopOpens = false;
    EXPECT_EQ(ReadPointerSettings(*profile, registry), -1);
    EXPECT_EQ(profile->DbleClickSpeed, 12); // leading digits count
    EXPECT_EQ(WritePointerSettings(*profile, registry), -1);
}

} // namespace
} // namespace mervik
