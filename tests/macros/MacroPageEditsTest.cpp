#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "MacroTestData.h"
#include "macros/MacroButtonCopy.h"
#include "macros/MacroEventRows.h"
#include "macros/MacroName.h"
#include "macros/MacroNaming.h"
#include "macros/MacroPageEdits.h"
#include "settings/FunctionCodes.h"
#include "settings/TextField.h"

namespace mervik {
namespace {

const EventRowTexts kTexts{
    {"Left Button", "Right Button", "Wheel", "Side Button 1", "Side Button 2"},
    " Down",
    " Up",
    " ms"};

MacroEventBuffer Buffer(std::initializer_list<MacroEvent> events) {
    MacroEventBuffer buffer;
    for (const MacroEvent& e : events)
        buffer.events[buffer.count++] = e;
    buffer.highlighted = buffer.count - 1;
    return buffer;
}

uint32_t Row(int number, EventRowKind kind) {
    return EventRowValue(number, kind);
}

TEST(EventRows, StepsAndPausesWithTheirValuesAndTexts) {
    auto buffer = Buffer({{4, MacroPress, 300},
                          {4, MacroRelease, 0},
                          {241, MacroPress, 0},
                          {241, MacroRelease, 65535}});
    EventListView view = BuildEventRows(buffer, -1, kTexts);
    ASSERT_EQ(view.rows.size(), 6u);
    EXPECT_EQ(view.rows[0].value, 0x1008Au);
    EXPECT_EQ(view.rows[1].value, 0x10087u);
    EXPECT_EQ(view.rows[1].text, "300 ms");
    EXPECT_EQ(view.rows[2].value, 0x20089u);
    EXPECT_EQ(view.rows[0].text, view.rows[2].text);
    EXPECT_FALSE(view.rows[0].text.empty());
    EXPECT_EQ(view.rows[3].value, 0x30092u);
    EXPECT_EQ(view.rows[3].text, "Right Button Down");
    EXPECT_EQ(view.rows[4].text, "Right Button Up");
    EXPECT_EQ(view.rows[5].value, 0x40087u);
    EXPECT_EQ(view.rows[5].text, "65535 ms");
    EXPECT_EQ(view.caretRow, 5); // the highlighted step's pause row
}

TEST(EventRows, TheCaretRowIsSelectedAndOnlyTheScrollLooksAhead) {
    MacroEventBuffer buffer;
    for (int i = 0; i < 10; ++i)
        buffer.events[buffer.count++] = {4, MacroPress, 0};
    buffer.highlighted = -1;
    const struct {
        int asked, caret, scroll;
    } cases[] = {
        {-1, 9, 9},            // the last row
        {40, 9, 9},            // past the end: the last
        {3, 3, 3},             // near the top
        {4, 4, 6},             // in the middle: the rows after it scroll into view
        {6, 6, 8},  {7, 7, 7}, // near the bottom
    };
    for (const auto& c : cases) {
        const EventListView view = BuildEventRows(buffer, c.asked, kTexts);
        EXPECT_EQ(view.caretRow, c.caret) << c.asked;
        EXPECT_EQ(view.scrollRow, c.scroll) << c.asked;
    }
    buffer.highlighted = 2;
    EXPECT_EQ(BuildEventRows(buffer, 8, kTexts).caretRow, 2); // the highlighted step wins
    EXPECT_EQ(BuildEventRows(MacroEventBuffer{}, -1, kTexts).caretRow, -1);
}

TEST(MacroPageEdits, InsertDelayOnlyBeforeAStepFromTheSecondOn) {
    auto buffer = Buffer({{4, MacroPress, 0}, {4, MacroRelease, 0}, {5, MacroPress, 0}});
    EXPECT_FALSE(InsertDelayBefore(buffer, Row(1, EventRowKind::KeyPress)));
    EXPECT_TRUE(InsertDelayBefore(buffer, Row(2, EventRowKind::KeyRelease)));
    EXPECT_EQ(buffer.events[0].delay, 1);
    EXPECT_EQ(buffer.highlighted, 0);
    EventListView view = BuildEventRows(buffer, -1, kTexts);
    EXPECT_EQ(view.rows[1].text, "1 ms");
    EXPECT_EQ(view.caretRow, 1);
    // Not again where a pause is, not on a pause row, not past the steps.
    EXPECT_FALSE(InsertDelayBefore(buffer, Row(2, EventRowKind::KeyRelease)));
    EXPECT_FALSE(InsertDelayBefore(buffer, Row(3, EventRowKind::Pause)));
    EXPECT_FALSE(InsertDelayBefore(buffer, Row(9, EventRowKind::KeyPress)));
}

TEST(MacroPageEdits, EditedPausesAndRepeatCountsAreHeldInRange) {
    EXPECT_EQ(ClampEditedPause(ParseFieldNumber("99999999999999999999")), 65535);
    EXPECT_EQ(ClampEditedPause(ParseFieldNumber("65536")), 65535);
    EXPECT_EQ(ClampEditedPause(ParseFieldNumber(" 250 ")), 250);
    EXPECT_EQ(ClampEditedPause(ParseFieldNumber("0")), 1);
    EXPECT_EQ(ClampEditedPause(ParseFieldNumber("")), 1);
    EXPECT_EQ(ClampRepeatCount(ParseFieldNumber("0")), 1);
    EXPECT_EQ(ClampRepeatCount(ParseFieldNumber("300")), 255);
    EXPECT_EQ(ClampRepeatCount(ParseFieldNumber("255")), 255);
    EXPECT_EQ(ClampRepeatCount(ParseFieldNumber("-7")), 1);
    EXPECT_EQ(ClampRepeatCount(ParseFieldNumber("abc")), 1);

    auto buffer = Buffer({{4, MacroPress, 1}, {4, MacroRelease, 0}});
    EXPECT_TRUE(SetPauseOfRow(buffer, Row(1, EventRowKind::Pause), 65535));
    EXPECT_EQ(buffer.events[0].delay, 65535);
    EXPECT_FALSE(SetPauseOfRow(buffer, Row(2, EventRowKind::KeyRelease), 5));
}

TEST(MacroPageEdits, DeleteAPauseOrAStep) {
    auto buffer = Buffer({{4, MacroPress, 20}, {4, MacroRelease, 0}, {5, MacroPress, 0}});
    EXPECT_TRUE(DeleteRow(buffer, Row(1, EventRowKind::Pause)));
    EXPECT_EQ(buffer.count, 3);
    EXPECT_EQ(buffer.events[0].delay, 0);
    EXPECT_TRUE(DeleteRow(buffer, Row(2, EventRowKind::KeyRelease)));
    ASSERT_EQ(buffer.count, 2);
    EXPECT_EQ(buffer.events[1].code, 5);
    EXPECT_EQ(buffer.highlighted, 1);
    EXPECT_FALSE(DeleteRow(buffer, Row(3, EventRowKind::KeyPress)));
    EXPECT_FALSE(DeleteRow(buffer, 0));
}

TEST(MacroPageEdits, MouseStepsGoInFrontOfTheRowsStepAndOnlyWhenTheyFit) {
    auto buffer = Buffer({{4, MacroPress, 0}, {4, MacroRelease, 0}});
    EXPECT_TRUE(
        InsertMouseStep(buffer, Row(2, EventRowKind::KeyRelease), 242, MouseStepKind::Click));
    ASSERT_EQ(buffer.count, 4);
    EXPECT_EQ(buffer.events[1].code, 242);
    EXPECT_EQ(buffer.events[1].action, MacroPress);
    EXPECT_EQ(buffer.events[2].action, MacroRelease);
    EXPECT_EQ(buffer.events[3].code, 4);
    EXPECT_EQ(buffer.insertIndex, -1);
    EXPECT_TRUE(InsertMouseStep(buffer, 0, 240, MouseStepKind::Release)); // no row: appended
    EXPECT_EQ(buffer.events[4].code, 240);

    MacroEventBuffer full;
    for (int i = 0; i < 49; ++i)
        full.events[full.count++] = {4, MacroPress, 0};
    EXPECT_FALSE(InsertMouseStep(full, 0, 241, MouseStepKind::Click));
    EXPECT_EQ(full.count, 49);
    EXPECT_TRUE(InsertMouseStep(full, 0, 241, MouseStepKind::Press));
    EXPECT_EQ(full.count, 50);
    EXPECT_FALSE(InsertMouseStep(full, 0, 241, MouseStepKind::Release));
}

TEST(MacroPageEdits, RecordBeforeAndAfterIndexes) {
    EXPECT_EQ(RecordBeforeIndex(Row(3, EventRowKind::KeyPress)), 2);
    EXPECT_EQ(RecordAfterIndex(Row(3, EventRowKind::Pause)), 3);
    EXPECT_EQ(RecordBeforeIndex(0), -1);
    EXPECT_EQ(RecordAfterIndex(0), -1);
}

TEST(MacroNaming, EmptyAndCaseOrSpaceDuplicatesAreRefused) {
    MacroList list;
    list.Append(test::Macro("Reload", {4}));
    list.Append(test::Macro("Jump", {5}));
    EXPECT_FALSE(AcceptableMacroName(list, -1, ""));
    EXPECT_FALSE(AcceptableMacroName(list, -1, "   "));
    EXPECT_FALSE(AcceptableMacroName(list, -1, "RELOAD"));
    EXPECT_FALSE(AcceptableMacroName(list, -1, " jump "));
    EXPECT_TRUE(AcceptableMacroName(list, -1, "Reload2"));
    EXPECT_TRUE(AcceptableMacroName(list, -1, "Relo"));
    EXPECT_TRUE(AcceptableMacroName(list, 0, "reload")); // its own name in other letters
    EXPECT_FALSE(AcceptableMacroName(list, 0, "jump"));
}

// The record keeps 15 bytes of a name: two names that differ only after
// them would be stored alike, and a double-byte character is never cut in
// half.
TEST(MacroNaming, UniquenessIsJudgedOnWhatTheRecordStores) {
    MacroList list;
    list.Append(NewMacroRecord("Fire sequence A1"));
    EXPECT_EQ(TextOfField(list.RecordAt(0)->Name), "Fire sequence A");
    EXPECT_FALSE(AcceptableMacroName(list, -1, "Fire sequence A2"));
    EXPECT_FALSE(AcceptableMacroName(list, -1, "fire sequence a"));
    EXPECT_TRUE(AcceptableMacroName(list, -1, "Fire sequence B1"));

    const std::string pairs = "xy\x81\x41\x81\x42\x81\x43\x81\x44\x81\x45\x81\x46";
    const std::string tooLong = pairs + "\x81\x47"; // 16 bytes
    EXPECT_EQ(StoredMacroName(tooLong), pairs) << "the seventh pair does not fit whole";
    EXPECT_EQ(TextOfField(NewMacroRecord(tooLong).Name), pairs);
    // Fitting names are kept whole, whatever their last byte.
    EXPECT_EQ(StoredMacroName("caf\xE9"), "caf\xE9");
    list.Append(NewMacroRecord(tooLong));
    EXPECT_FALSE(AcceptableMacroName(list, -1, pairs + "\x81\x48")) << "stored as the same bytes";

    MacroList renamed;
    renamed.Append(NewMacroRecord("One"));
    renamed.Append(NewMacroRecord("Fire sequence A"));
    auto image = std::make_unique<SharedSettingsBlock>();
    std::memset(image.get(), 0, sizeof *image);
    EXPECT_FALSE(RenameMacro(renamed, 0, "Fire sequence A9", *image));
}

TEST(MacroNaming, InitialRowIgnoresBlanksAroundTheNames) {
    MacroList list;
    list.Append(test::Macro("Jump", {5}));
    list.Append(test::Macro("  Reload", {4}));
    ButtonAssignment scratch{};
    scratch.Function = fn::Macro;
    SetTextField(scratch.MacroName, "  Reload");
    EXPECT_EQ(InitialMacroRow(list, scratch), 1);
}

// A menu shows what follows a tab as the item's shortcut, and a line break
// splits a list row: the buttons' menus and the list would show another name.
TEST(MacroNaming, ControlCharactersAreRefusedAsInProfileNames) {
    MacroList list;
    for (const char* name : {"Fire\tfast", "Fire\t", "\tFire", "two\nlines", "bell\x07"})
        EXPECT_FALSE(AcceptableMacroName(list, -1, name)) << name;
    EXPECT_TRUE(AcceptableMacroName(list, -1, "Fire fast"));
}

TEST(MacroNaming, InitialRowFollowsTheSelectDialogsLastMacro) {
    MacroList list;
    EXPECT_EQ(InitialMacroRow(list, ButtonAssignment{}), -1);
    list.Append(test::Macro("Reload fast", {4}));
    list.Append(test::Macro("Jump", {5}));
    list.Append(test::Macro("reload", {6}));
    ButtonAssignment scratch{};
    SetTextField(scratch.MacroName, "RELOAD");
    EXPECT_EQ(InitialMacroRow(list, scratch), 0) << "no macro held: the first row";
    scratch.Function = fn::Macro;
    EXPECT_EQ(InitialMacroRow(list, scratch), 2) << "the search starts after the first row";
    SetTextField(scratch.MacroName, "Reload f");
    EXPECT_EQ(InitialMacroRow(list, scratch), 0) << "and wraps to it";
    SetTextField(scratch.MacroName, "Gone");
    EXPECT_EQ(InitialMacroRow(list, scratch), 0);
}

TEST(MacroNaming, RenameCarriesEveryButtonCopyAlong) {
    MacroList list;
    list.Append(test::Macro("Reload", {4}));
    list.Append(test::Macro("Jump", {5}));
    auto image = std::make_unique<SharedSettingsBlock>();
    std::memset(image.get(), 0, sizeof *image);
    for (int slot : {0, 33, 47}) {
        ButtonAssignment& button = image->Profiles[slot % 5].Buttons[slot];
        button.Function = fn::Macro;
        button.RunMode = 2;
        CopyMacroIntoButton(*list.RecordAt(0), button);
    }
    ButtonAssignment& other = image->Profiles[4].Buttons[1];
    other.Function = fn::Macro;
    CopyMacroIntoButton(*list.RecordAt(1), other);
    ButtonAssignment& notMacro = image->Profiles[4].Buttons[2];
    notMacro.Function = fn::Disabled;
    SetTextField(notMacro.MacroName, "Reload");

    EXPECT_FALSE(RenameMacro(list, 0, "JUMP", *image));
    EXPECT_FALSE(RenameMacro(list, 5, "Fire", *image));
    ASSERT_TRUE(RenameMacro(list, 0, "Fire", *image));
    EXPECT_EQ(TextOfField(list.RecordAt(0)->Name), "Fire");
    for (int slot : {0, 33, 47}) {
        const ButtonAssignment& button = image->Profiles[slot % 5].Buttons[slot];
        EXPECT_EQ(TextOfField(button.MacroName), "Fire") << slot;
        EXPECT_EQ(button.RunMode, 2);
    }
    EXPECT_EQ(TextOfField(other.MacroName), "Jump");
    EXPECT_EQ(TextOfField(notMacro.MacroName), "Reload");
}

} // namespace
} // namespace mervik
