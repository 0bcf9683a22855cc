#include <gtest/gtest.h>

#include "tests/support/ProfileFixture.h"
#include "ui/core/DpiLevelRules.h"
#include "ui/core/LightingRules.h"

namespace mervik::ui {
namespace {

class PerformanceControls : public ::testing::Test {
protected:
    std::unique_ptr<ProfileRecord> profile = testing::DefaultProfile();
    ProfileRecord& p = *profile;
};

TEST_F(PerformanceControls, TheLevelInUseCannotBeSwitchedOff) {
    p.Cpi_X = 2;
    auto states = DpiLevelStates(p);
    EXPECT_TRUE(states[2].selected);
    EXPECT_FALSE(states[2].switchEnabled);
    EXPECT_TRUE(states[1].switchEnabled);
    SwitchDpiLevel(p, 2, false);
    EXPECT_EQ(p.dpiStepFlag[2], 1);

    SelectDpiLevel(p, 4);
    states = DpiLevelStates(p);
    EXPECT_TRUE(states[2].switchEnabled);
    EXPECT_FALSE(states[4].switchEnabled);
    EXPECT_FALSE(states[2].selected);
}

TEST_F(PerformanceControls, ALevelSwitchedOffCannotBeChosen) {
    p.Cpi_X = 0;
    SwitchDpiLevel(p, 5, false);
    auto states = DpiLevelStates(p);
    EXPECT_FALSE(states[5].switchOn);
    EXPECT_FALSE(states[5].selectorEnabled);
    SelectDpiLevel(p, 5);
    EXPECT_EQ(p.Cpi_X, 0);
    SelectDpiLevel(p, 6);
    SelectDpiLevel(p, -1);
    EXPECT_EQ(p.Cpi_X, 0);
}

TEST_F(PerformanceControls, LevelValuesAndTheirMenu) {
    EXPECT_EQ(DpiValueText(1), 1112);
    EXPECT_EQ(DpiValueText(12), 1123);
    for (int outside : {0, 13, -1})
        EXPECT_EQ(DpiValueText(outside), 0);
    MenuModel menu = DpiValueMenu();
    ASSERT_EQ(menu.size(), 12u);
    EXPECT_EQ(menu.front().command, 2001);
    EXPECT_EQ(menu.back().text, 1123);
    EXPECT_TRUE(ChooseDpiValue(p, 5, 2012));
    EXPECT_EQ(p.CpiLevel_X[5], 12);
    EXPECT_FALSE(ChooseDpiValue(p, 5, 2013));
    EXPECT_FALSE(ChooseDpiValue(p, 6, 2001));
    EXPECT_EQ(p.CpiLevel_X[5], 12);
}

TEST_F(PerformanceControls, ColoursOnlyInTheModesThatShowThem) {
    const bool expected[] = {false, true, true, false};
    for (int mode = 0; mode < 4; ++mode) {
        p.LightSwitch = mode;
        EXPECT_EQ(ColoursEditable(p), expected[mode]) << mode;
    }
}

TEST_F(PerformanceControls, LightModeMenuAndCaptions) {
    MenuModel menu = LightModeMenu();
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[3].command, 3004);
    EXPECT_EQ(menu[3].text, 1144);
    EXPECT_TRUE(ChooseLightMode(p, 3004));
    EXPECT_EQ(p.LightSwitch, 0);
    EXPECT_EQ(LightModeText(p), 1144);
    EXPECT_TRUE(ChooseLightMode(p, 3003));
    EXPECT_EQ(LightModeText(p), 1126);
    EXPECT_FALSE(ChooseLightMode(p, 3005));
    EXPECT_EQ(p.LightSwitch, 3);
}

TEST_F(PerformanceControls, LevelFollowsTheLightMode) {
    p.LightSwitch = 1;
    p.Brightness = 7;
    p.BreathSpeed = 3;
    EXPECT_EQ(LightLevelText(p), 1086);
    EXPECT_EQ(LightLevelMenu(p).size(), 10u);
    ChooseLightMode(p, 3002);
    EXPECT_EQ(p.Brightness, 7);
    EXPECT_EQ(LightLevelText(p), 1092);
    EXPECT_EQ(LightLevelMenu(p).size(), 5u);
    EXPECT_FALSE(ChooseLightLevel(p, 4006));
    EXPECT_EQ(p.BreathSpeed, 3);

    ChooseLightMode(p, 3003);
    EXPECT_EQ(LightLevelMenu(p).back().text, 1138);
    EXPECT_TRUE(ChooseLightLevel(p, 4012));
    EXPECT_EQ(p.BreathSpeed, 12);
    ChooseLightMode(p, 3002);
    EXPECT_EQ(LightLevelText(p), 0); // 12 is beyond breathing's speeds

    ChooseLightMode(p, 3004);
    EXPECT_TRUE(LightLevelMenu(p).empty());
    EXPECT_FALSE(ChooseLightLevel(p, 4001));
    EXPECT_EQ(LightLevelText(p), 0);
}

TEST_F(PerformanceControls, EffectsPerLightMode) {
    p.LightSwitch = 3;
    MenuModel cycling = LightEffectMenu(p);
    ASSERT_EQ(cycling.size(), 2u);
    EXPECT_EQ(cycling[1].command, 5002);
    EXPECT_TRUE(ChooseLightEffect(p, 5002));
    EXPECT_EQ(LightEffectText(p), 1141);

    p.LightSwitch = 1;
    EXPECT_EQ(LightEffectText(p), 0);
    EXPECT_FALSE(ChooseLightEffect(p, 5002));
    EXPECT_TRUE(ChooseLightEffect(p, 5001));
    EXPECT_EQ(LightEffectText(p), 1139);

    p.LightSwitch = 0;
    EXPECT_TRUE(LightEffectMenu(p).empty());
    EXPECT_FALSE(ChooseLightEffect(p, 5001));
    EXPECT_EQ(LightEffectText(p), 0);
}

} // namespace
} // namespace mervik::ui
