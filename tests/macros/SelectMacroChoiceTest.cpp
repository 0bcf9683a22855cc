#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "MacroTestData.h"
#include "macros/MacroButtonCopy.h"
#include "macros/SelectMacroChoice.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"

namespace mervik {
namespace {

class SelectMacro : public ::testing::Test {
protected:
    void SetUp() override {
        image = std::make_unique<SharedSettingsBlock>();
        CreateImage(*image);
        ResetAllProfiles(*image);
        std::memset(&scratch, 0, sizeof scratch);
        list.Append(test::Macro("Fire", {4}));
        list.Append(test::Macro("Jump", {5, 6}));
    }
    ProfileRecord& Profile() { return image->Profiles[0]; }

    std::unique_ptr<SharedSettingsBlock> image;
    MacroList list;
    ButtonAssignment scratch;
    static constexpr int kSlot = 3;
};

TEST_F(SelectMacro, AButtonWithAMacroStartsOnItAndItsRunMode) {
    ButtonAssignment& button = Profile().Buttons[kSlot];
    button.Function = fn::Macro;
    button.RunMode = 2;
    CopyMacroIntoButton(*list.RecordAt(1), button);
    SelectMacroState state = BeginSelectMacro(list, *image, Profile(), kSlot, scratch);
    EXPECT_EQ(state.chosen, 1);
    EXPECT_EQ(state.runMode, 2);
    EXPECT_EQ(ShownMacroName(scratch), "Jump");

    // The scratch entry keeps the name for a later button without a macro.
    SelectMacroState other = BeginSelectMacro(list, *image, Profile(), 5, scratch);
    EXPECT_EQ(other.chosen, -1);
    EXPECT_EQ(ShownMacroName(scratch), "Jump");
}

TEST_F(SelectMacro, ChoosingAndOkGiveTheButtonTheMacroWithTheRunMode) {
    SelectMacroState state = BeginSelectMacro(list, *image, Profile(), kSlot, scratch);
    EXPECT_FALSE(ChooseMacro(list, 7, state, scratch));
    ASSERT_TRUE(ChooseMacro(list, 0, state, scratch));
    EXPECT_EQ(TextOfField(scratch.MacroName), "Fire");
    state.runMode = 1;
    FinishSelectMacro(list, state, Profile(), kSlot);
    const ButtonAssignment& button = Profile().Buttons[kSlot];
    EXPECT_EQ(button.Function, fn::Macro);
    EXPECT_EQ(button.RunMode, 1);
    EXPECT_EQ(TextOfField(button.MacroName), "Fire");
    EXPECT_EQ(button.EventCount, 2);
}

TEST_F(SelectMacro, OkWithoutAMacroGivesTheDefaultFunctionAndKeepsTheRunMode) {
    const uint8_t defaultCode = Profile().Buttons[kSlot].Function;
    Profile().Buttons[kSlot].Function = fn::Macro;
    SetTextField(Profile().Buttons[kSlot].MacroName, "Gone");
    MacroList empty;
    SelectMacroState state = BeginSelectMacro(empty, *image, Profile(), kSlot, scratch);
    // The sync already took the vanished macro away.
    EXPECT_EQ(Profile().Buttons[kSlot].Function, fn::Disabled);
    EXPECT_EQ(state.chosen, -1);
    state.runMode = 2;
    FinishSelectMacro(empty, state, Profile(), kSlot);
    EXPECT_EQ(Profile().Buttons[kSlot].Function, defaultCode);
    EXPECT_EQ(Profile().Buttons[kSlot].RunMode, 2);
    EXPECT_EQ(Profile().Buttons[kSlot].MacroName[0], '\0');
}

} // namespace
} // namespace mervik
