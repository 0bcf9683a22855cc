#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "MacroTestData.h"
#include "macros/FindMacroByName.h"
#include "macros/MacroButtonCopy.h"
#include "macros/MacroName.h"
#include "macros/SyncMacroButtons.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"

namespace mervik {
namespace {

using test::Macro;

ButtonAssignment MacroButton(const MacroRecord& record, int32_t runMode = 0) {
    ButtonAssignment button;
    std::memset(&button, 0, sizeof button);
    button.Function = fn::Macro;
    button.RunMode = runMode;
    CopyMacroIntoButton(record, button);
    return button;
}

TEST(FindMacroByName, TrimsTheRecordsNameAndIgnoresCase) {
    MacroList list;
    list.Append(Macro("other", {4}));
    list.Append(Macro(" \tQuick Fire  ", {5}));
    list.Append(Macro("quick fire", {6}));
    ButtonAssignment button = MacroButton(Macro("QUICK fire", {5}));

    const auto match = FindMacroByName(list, button);
    ASSERT_TRUE(match);
    EXPECT_EQ(match->index, 1);
    EXPECT_TRUE(match->sameContent);

    SetTextField(button.MacroName, "quick");
    EXPECT_FALSE(FindMacroByName(list, button));
    EXPECT_FALSE(FindMacroByName(MacroList{}, button));
}

// Names are ANSI text, which in a double-byte code page (GBK) has characters
// whose second byte lies in the range of the ASCII letters: 0x81 0x41 and
// 0x81 0x61 are two different characters, not one in two cases.
TEST(SameMacroName, FoldsAsciiLettersButNotTheSecondByteOfACharacterPair) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Quick Fire", "qUICK fIRE", true},
        {"\x81\x41", "\x81\x61", false},
        {"\x95\x5A\xAA\x41", "\x95\x5A\xAA\x61", false},
        {"\xAA\x41x", "\xAA\x41X", true}, // a letter after the pair is a letter again
        {"\xB1\xED", "\xB1\xED", true},
        {"A\x81", "a\x81", true}, // a lead byte cut off at the end
        {"\x81", "\x82", false},
        {"ab", "abc", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SameMacroName(c.a, c.b), c.same)
            << ::testing::PrintToString(c.a) << " vs " << ::testing::PrintToString(c.b);
        EXPECT_EQ(SameMacroName(c.b, c.a), c.same);
    }
}

TEST(FindMacroByName, ReadsTheButtonsNameOnlyWithinItsField) {
    MacroRecord record = Macro("", {4});
    SetTextField(record.Name, "ABCDEFGHIJKLMNOPQRST"); // 20 characters
    MacroList list;
    list.Append(record);
    ButtonAssignment button = MacroButton(record);
    std::memcpy(button.MacroName, "ABCDEFGHIJKLMNOPQRST", kMacroNameFieldSize); // no terminator
    button.MacroRepeat = 0x41414141; // would lengthen the name if it were read on

    const auto match = FindMacroByName(list, button);
    ASSERT_TRUE(match);
    EXPECT_EQ(match->index, 0);
}

TEST(FindMacroByName, SameContentComparesCountAndUsedEventsOnly) {
    MacroList list;
    MacroRecord record = Macro("m", {4, 5});
    record.Events[10] = {9, MacroPress, 3}; // an old step past the count
    list.Append(record);
    ButtonAssignment button = MacroButton(Macro("m", {4, 5}));
    EXPECT_TRUE(FindMacroByName(list, button)->sameContent);

    button.Events[3].delay = 1;
    EXPECT_FALSE(FindMacroByName(list, button)->sameContent);

    button = MacroButton(Macro("m", {4}));
    EXPECT_FALSE(FindMacroByName(list, button)->sameContent);
}

TEST(FindMacroByName, ACountBeyondTheRecordNeverMatches) {
    MacroList list;
    MacroRecord record = Macro("m", {4});
    record.EventCount = 70;
    list.Append(record);
    ButtonAssignment button = MacroButton(Macro("m", {4}));
    button.EventCount = 70;
    EXPECT_FALSE(FindMacroByName(list, button)->sameContent);
}

class SyncMacroButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(image.get(), 0, sizeof *image);
        ResetAllProfiles(*image);
        for (ProfileRecord& p : image->Profiles) {
            Assign(p, 3, Macro("gone", {4}), 1);
            Assign(p, 5, Macro("Kept", {4}), 2);
            Assign(p, 20, Macro("gone", {4}), 0);
            Assign(p, 37, Macro("Kept", {4}), 0);
        }
        list.Append(Macro("kept", {7, 8, 9}, 4));
    }

    static void Assign(ProfileRecord& p, int slot, const MacroRecord& record, int32_t runMode) {
        AssignFunction(p, slot, MacroFunctionChoice(record, runMode));
    }

    std::unique_ptr<SharedSettingsBlock> image = std::make_unique<SharedSettingsBlock>();
    MacroList list;
};

TEST_F(SyncMacroButtonsTest, DeletedMacroDisablesItsButtonsInEveryProfile) {
    SyncMacroButtons(list, *image);
    for (const ProfileRecord& p : image->Profiles)
        EXPECT_EQ(p.Buttons[3].Function, fn::Disabled);
}

TEST_F(SyncMacroButtonsTest, ChangedMacroReachesItsButtonsAndRunModeSurvives) {
    SyncMacroButtons(list, *image);
    const MacroRecord& kept = *list.RecordAt(0);
    for (const ProfileRecord& p : image->Profiles) {
        const ButtonAssignment& b = p.Buttons[5];
        EXPECT_EQ(b.Function, fn::Macro);
        EXPECT_EQ(b.RunMode, 2);
        EXPECT_STREQ(b.MacroName, "kept");
        EXPECT_EQ(b.MacroRepeat, 4);
        EXPECT_EQ(b.EventCount, 6);
        EXPECT_EQ(std::memcmp(b.Events, kept.Events, sizeof b.Events), 0);
    }
}

TEST_F(SyncMacroButtonsTest, ADoubleByteNameGetsItsOwnMacroNotOneThatDiffersInItsSecondByte) {
    list.Append(Macro("\x81\x61", {7}));
    list.Append(Macro("\x81\x41", {9}));
    Assign(image->Profiles[0], 6, Macro("\x81\x41", {4}), 1);
    SyncMacroButtons(list, *image);
    const ButtonAssignment& b = image->Profiles[0].Buttons[6];
    EXPECT_STREQ(b.MacroName, "\x81\x41");
    EXPECT_EQ(b.Events[0].code, 9);
}

// A macro named with blanks around its name: each button holds a copy of the
// name as stored, and the sync finds it by the trimmed names of both.
TEST_F(SyncMacroButtonsTest, ANameWithBlanksAroundItKeepsItsButtons) {
    list.Append(Macro("  Reload ", {7}));
    Assign(image->Profiles[2], 4, *list.RecordAt(1), 0);
    SyncMacroButtons(list, *image);
    const ButtonAssignment& b = image->Profiles[2].Buttons[4];
    EXPECT_EQ(b.Function, fn::Macro) << "the button lost its macro";
    EXPECT_EQ(b.Events[0].code, 7);
}

TEST_F(SyncMacroButtonsTest, SlotsPastTheFirstSixteenAreNotExamined) {
    auto before = std::make_unique<SharedSettingsBlock>(*image);
    SyncMacroButtons(list, *image);
    for (int n = 0; n < kProfileCount; ++n) {
        const auto& now = image->Profiles[n].Buttons;
        const auto& then = before->Profiles[n].Buttons;
        EXPECT_EQ(std::memcmp(&now[16], &then[16], 48 * sizeof(ButtonAssignment)), 0);
    }
}

TEST_F(SyncMacroButtonsTest, AMacroSlotWithoutANameIsLeftAlone) {
    ButtonAssignment& b = image->Profiles[1].Buttons[8];
    b.Function = fn::Macro;
    b.EventCount = 3;
    const ButtonAssignment before = b;
    SyncMacroButtons(list, *image);
    EXPECT_EQ(std::memcmp(&b, &before, sizeof b), 0);
}

TEST(MacroFunctionChoice, AssignsTheWholeMacroWithItsRunMode) {
    auto image = std::make_unique<SharedSettingsBlock>();
    std::memset(image.get(), 0, sizeof *image);
    ResetAllProfiles(*image);
    const MacroRecord record = Macro("combo", {4, 5, 6}, 9, 20);
    AssignFunction(image->Profiles[0], 2, MacroFunctionChoice(record, 1));

    const ButtonAssignment& b = image->Profiles[0].Buttons[2];
    EXPECT_EQ(b.Function, fn::Macro);
    EXPECT_EQ(b.RunMode, 1);
    EXPECT_STREQ(b.MacroName, "combo");
    EXPECT_EQ(b.MacroRepeat, 9);
    EXPECT_EQ(b.EventCount, 6);
    EXPECT_EQ(std::memcmp(b.Events, record.Events, sizeof b.Events), 0);
}

TEST(MacroFunctionChoice, NameWithoutTerminatorIsNotReadPastItsField) {
    MacroRecord record = Macro("x", {4});
    std::memset(record.Name, 'N', sizeof record.Name);
    const FunctionChoice choice = MacroFunctionChoice(record, 0);
    ASSERT_NE(choice.macroName, nullptr);
    EXPECT_STREQ(choice.macroName, "");
}

} // namespace
} // namespace mervik
