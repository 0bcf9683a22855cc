#include <gtest/gtest.h>

#include "service/core/DeviceNotices.h"
#include "service/core/ForegroundMatch.h"
#include "service/core/PointerApply.h"
#include "settings/TextField.h"
#include "tests/service/MonitorFakes.h"
#include "tests/support/FakeRegistryStore.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

using Lines = std::vector<std::string>;

struct PointerApply : ::testing::Test {
    std::unique_ptr<ProfileRecord> profile = testing::DefaultProfile();
    testing::FakeRegistryStore registry;
    testing::FakePointerSystem system;
};

TEST_F(PointerApply, AccelerationOffClearsTheSystemsThresholds) {
    profile->AccelerationFlag = 0;
    profile->Acceleration = 8;
    profile->DbleClickSpeed = 450;
    profile->Orientation = 1;
    profile->MouseSpeed = 12;
    profile->ScrollWheelFlag = 1;
    registry.SetAccelerationValues("1", "6", "10");
    ApplyPointerSettings(*profile, registry, system);
    EXPECT_EQ(system.calls,
              (Lines{"double-click 450", "swap on", "mouse 0 0 0", "speed 12", "wheel -1"}));
    EXPECT_EQ(profile->Acceleration, 0);
    EXPECT_EQ(registry.Mouse("MouseSpeed") + registry.Mouse("MouseThreshold1") +
                  registry.Mouse("MouseThreshold2"),
              "000");
}

TEST_F(PointerApply, AccelerationOnUsesTheRegistryAsItIs) {
    profile->AccelerationFlag = 1;
    profile->Acceleration = 8;
    profile->ScrollWheelFlag = 0;
    profile->ScrollWheelSpeed = 7;
    registry.SetAccelerationValues("1", "6", "x9"); // not a number: 0
    ApplyPointerSettings(*profile, registry, system);
    EXPECT_EQ(system.calls.at(2), "mouse 6 0 1");
    EXPECT_EQ(system.calls.at(4), "wheel 7");
    EXPECT_EQ(profile->Acceleration, 8);
    EXPECT_EQ(registry.Mouse("MouseThreshold1"), "6");
}

TEST(ForegroundMatch, GameFilesMatchByNameAndExtensionOnly) {
    auto image = std::make_unique<SharedSettingsBlock>();
    SetTextField(image->Profiles[0].GameFile, "");
    SetTextField(image->Profiles[1].GameFile, " \t ");
    SetTextField(image->Profiles[2].GameFile, "D:/Games/UT.exe.bak");
    SetTextField(image->Profiles[3].GameFile, "\tD:\\Games\\UT.EXE\n");
    SetTextField(image->Profiles[4].GameFile, "ut.exe");
    EXPECT_EQ(ProfileForProgram(*image, "ut.exe"), 3);
    EXPECT_EQ(ProfileForProgram(*image, "UT"), std::nullopt);
    EXPECT_EQ(ProfileForProgram(*image, ""), std::nullopt);

    // A field without its terminator is read to its end and no further.
    std::memset(image->Profiles[0].GameFile, 'a', sizeof image->Profiles[0].GameFile);
    EXPECT_EQ(ProfileForProgram(*image, std::string(sizeof image->Profiles[0].GameFile, 'A')), 0);
}

TEST(DeviceNotices, TextsForEveryLevelAndRate) {
    EXPECT_EQ(DpiBalloonText(1), "250 DPI");
    EXPECT_EQ(DpiBalloonText(9), "2500 DPI");
    EXPECT_EQ(DpiBalloonText(12), "4000 DPI");
    EXPECT_EQ(DpiBalloonText(0), "");
    EXPECT_EQ(DpiBalloonText(13), "");
    EXPECT_EQ(RateBalloonText(0), "125 Hz");
    EXPECT_EQ(RateBalloonText(3), "1000 Hz");
    EXPECT_EQ(RateBalloonText(4), "");
    EXPECT_EQ(RateBalloonText(-1), "");

    auto profile = testing::DefaultProfile();
    profile->Cpi_X = 6; // outside the six levels
    EXPECT_EQ(ActiveCpiLevel(*profile), 0);
    EXPECT_EQ(OsdDpiText(*profile), "CPI: 0");
    profile->Cpi_X = 1;
    profile->CpiLevel_X[1] = 4;
    EXPECT_EQ(OsdDpiText(*profile), "CPI: 1000");
}

// The display reads back exactly what the service stores, and nothing else.
TEST(DeviceNotices, DisplayTextsReadBackAsAnnouncements) {
    using Kind = OsdAnnouncement::Kind;
    auto profile = testing::DefaultProfile();
    profile->Cpi_X = 1;
    profile->CpiLevel_X[1] = 12;
    const auto dpi = ReadOsdAnnouncement(OsdDpiText(*profile));
    ASSERT_TRUE(dpi);
    EXPECT_EQ(dpi->kind, Kind::Dpi);
    EXPECT_EQ(dpi->value, 4000);
    EXPECT_EQ(OsdRateText(2), "Rate: 500 Hz");
    const auto rate = ReadOsdAnnouncement(OsdRateText(2));
    ASSERT_TRUE(rate);
    EXPECT_EQ(rate->kind, Kind::Rate);
    EXPECT_EQ(rate->value, 500);
    EXPECT_EQ(OsdRateText(7), "");

    for (const char* other : {"", "CPI: ", "CPI: 0", "CPI: 12x", "CPI: -5", "CPI: 999999999999",
                              "Rate: Hz", "Rate: 500", "Rate: 5 0 Hz", "cpi: 800", "New mail"})
        EXPECT_FALSE(ReadOsdAnnouncement(other)) << other;
}

} // namespace
} // namespace mervik
