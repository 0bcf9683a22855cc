#include "ui/core/FunctionChoiceRules.h"

#include <gtest/gtest.h>

#include <cstring>

#include "lang/TextIds.h"
#include "settings/FunctionCodes.h"
#include "settings/TextField.h"
#include "tests/support/ProfileFixture.h"
#include "ui/core/FunctionMenu.h"

namespace mervik::ui {
namespace {

class FunctionChoice : public ::testing::Test {
protected:
    std::unique_ptr<ProfileRecord> profile = testing::DefaultProfile();
    ProfileRecord& p = *profile;
};

TEST_F(FunctionChoice, PlainItemStoresItsCodeAndClearsTheSlotsData) {
    ButtonAssignment& slot = p.Buttons[5];
    slot.Function = fn::Macro;
    SetTextField(slot.MacroName, "Old");
    slot.EventCount = 3;
    slot.Events[2].code = 9;
    EXPECT_EQ(ChooseFunction(p, 5, 1045), ChoiceNeeds::Nothing);
    EXPECT_EQ(slot.Function, 49);
    EXPECT_EQ(slot.MacroName[0], 0);
    EXPECT_EQ(slot.EventCount, 0);
    EXPECT_EQ(slot.Events[2].code, 0);
}

TEST_F(FunctionChoice, DefaultGivesOneButtonItsOwnDefaultAndReleasesItsTwin) {
    ASSERT_EQ(ChooseFunction(p, 7, 1045), ChoiceNeeds::Nothing);
    ASSERT_EQ(ChooseFunction(p, 4, kTextSwitchMode), ChoiceNeeds::Nothing);
    EXPECT_EQ(ChooseFunction(p, 7, kTextButtonDefault), ChoiceNeeds::Nothing);
    EXPECT_EQ(p.Buttons[7].Function, 71);
    EXPECT_EQ(p.Buttons[4].Function, 84) << "the other buttons keep theirs";
    EXPECT_EQ(ChooseFunction(p, 4, kTextButtonDefault), ChoiceNeeds::Nothing);
    EXPECT_EQ(p.Buttons[4].Function, 9);
    EXPECT_EQ(p.Buttons[36].Function, 9) << "the twin lock ends with it";
    // Button 0's default is the left click, so it is never refused there;
    // elsewhere it is guarded like any choice.
    ASSERT_EQ(ChooseFunction(p, 1, 1003), ChoiceNeeds::Nothing);
    ASSERT_EQ(ChooseFunction(p, 0, 1058), ChoiceNeeds::Nothing);
    EXPECT_EQ(ChooseFunction(p, 1, kTextButtonDefault), ChoiceNeeds::Refused);
    EXPECT_EQ(ChooseFunction(p, 0, kTextButtonDefault), ChoiceNeeds::Nothing);
    EXPECT_EQ(p.Buttons[0].Function, fn::LeftButton);
}

TEST_F(FunctionChoice, DialogItemsAskAndChangeNothingYet) {
    const ButtonAssignment before = p.Buttons[4];
    EXPECT_EQ(ChooseFunction(p, 4, kTextKeyCombination), ChoiceNeeds::Shortcut);
    EXPECT_EQ(ChooseFunction(p, 4, kTextRapidFire), ChoiceNeeds::Fire);
    EXPECT_EQ(ChooseFunction(p, 4, kTextMacroItem), ChoiceNeeds::Macro);
    EXPECT_EQ(std::memcmp(&before, &p.Buttons[4], sizeof before), 0);
}

TEST_F(FunctionChoice, TheLastLeftClickOfTheModeCannotGo) {
    EXPECT_EQ(ChooseFunction(p, 0, 1058), ChoiceNeeds::Refused);
    EXPECT_EQ(ChooseFunction(p, 0, kTextKeyCombination), ChoiceNeeds::Refused);
    EXPECT_EQ(p.Buttons[0].Function, fn::LeftButton);

    // Another button takes the left click first; then the first may go.
    EXPECT_EQ(ChooseFunction(p, 3, 1003), ChoiceNeeds::Nothing);
    EXPECT_EQ(ChooseFunction(p, 0, 1058), ChoiceNeeds::Nothing);
    EXPECT_EQ(ChooseFunction(p, 3, 1005), ChoiceNeeds::Refused);

    // Mode 2 guards its own half; the first mode's slots do not count.
    p.ModeStatus = 2;
    EXPECT_EQ(ChooseFunction(p, 32, 1005), ChoiceNeeds::Refused);
    EXPECT_EQ(ChooseFunction(p, 20, 1005), ChoiceNeeds::Nothing);
    p.ModeStatus = 3;
    EXPECT_EQ(ChooseFunction(p, 1, 1003), ChoiceNeeds::Refused);
    EXPECT_EQ(ChooseFunction(p, 64, 1003), ChoiceNeeds::Refused);
}

TEST_F(FunctionChoice, TwinLockFollowsTheSlotAndReleasesToTheDefault) {
    EXPECT_EQ(ChooseFunction(p, 3, kTextSwitchMode), ChoiceNeeds::Nothing);
    EXPECT_EQ(p.Buttons[3].Function, 84);
    EXPECT_EQ(p.Buttons[35].Function, 84);
    EXPECT_TRUE(LockedByTwin(p, 35));
    EXPECT_FALSE(LockedByTwin(p, 3));

    EXPECT_EQ(ChooseFunction(p, 3, 1052), ChoiceNeeds::Nothing);
    EXPECT_EQ(p.Buttons[35].Function, 10);
    EXPECT_FALSE(LockedByTwin(p, 35));
}

TEST_F(FunctionChoice, ATwinTheUserSetIsKeptWhenItsSlotChanges) {
    EXPECT_EQ(ChooseFunction(p, 36, 1041), ChoiceNeeds::Nothing);
    EXPECT_EQ(ChooseFunction(p, 4, 1052), ChoiceNeeds::Nothing);
    EXPECT_EQ(p.Buttons[36].Function, 48);
}

TEST_F(FunctionChoice, TwinRuleAfterADialogsAnswer) {
    ChooseFunction(p, 2, kTextSwitchMode);
    // The page stores the shortcut the dialog returned, then the twin follows.
    mervik::FunctionChoice shortcut;
    shortcut.code = fn::Key;
    shortcut.keyUsage = 62;
    AssignFunction(p, 2, shortcut);
    ApplyTwinRule(p, 2);
    EXPECT_EQ(p.Buttons[34].Function, 3);
    // The second half has no twins.
    ApplyTwinRule(p, 40);
    EXPECT_EQ(p.Buttons[8].Function, 112);
}

} // namespace
} // namespace mervik::ui
