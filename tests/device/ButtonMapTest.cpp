#include <gtest/gtest.h>

#include <cstring>

#include "device/ButtonCells.h"
#include "device/ButtonMap.h"
#include "settings/FunctionCodes.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

using testing::DefaultProfile;

ButtonCell CellAt(const ButtonMapImage& map, int slot) {
    ButtonCell cell;
    std::memcpy(cell.data(), map.cells.data() + slot * 4, 4);
    return cell;
}

ButtonAssignment SlotWith(uint8_t code) {
    ButtonAssignment slot{};
    slot.Function = code;
    return slot;
}

TEST(ButtonCells, TableRowsWithoutTheirOwnRule) {
    struct Case {
        uint8_t code;
        ButtonCell cell;
    };
    const Case cases[] = {
        {fn::LeftButton, {0x01, 0, 0xF0, 0}},
        {fn::SideButton2, {0x01, 0, 0xF4, 0}},
        {fn::Disabled, {0, 0, 0, 0}},
        {fn::MediaPlayer, {0x03, 0, 0x83, 0x01}},
        {fn::VolumeDown, {0x03, 0, 0xEA, 0}},
        {fn::BrowserFavorites, {0x03, 0, 0x2A, 0x02}},
        {fn::Group4Item4, {0x04, 0, 4, 0}},
        {fn::Group5Item3, {0x05, 0, 3, 0}},
        {fn::Group7Item4Value2, {0x07, 0, 4, 2}},
        {fn::Group8Item3, {0x08, 0, 3, 0}},
        {fn::SwitchWindow, {0x09, 0, 0, 4}},
        {fn::SaveAs, {0x09, 0, 0, 6}},
        {fn::DoubleClick, {0x0A, 0xF0, 0x32, 2}},
        {fn::TripleClick, {0x0A, 0xF0, 0x32, 3}},
        // Codes without a row, labelled or not, give an empty cell.
        {fn::Unbound42, {0, 0, 0, 0}},
        {0, {0, 0, 0, 0}},
        {200, {0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellFor(SlotWith(c.code), 0, 10), c.cell) << "code " << int(c.code);
}

TEST(ButtonCells, CodesWithTheirOwnRule) {
    ButtonAssignment key = SlotWith(fn::Key);
    key.SetKey(0x21, ModCtrl | ModShift);
    EXPECT_EQ(CellFor(key, 0, 10), (ButtonCell{0x00, 0x03, 0x21, 0}));

    ButtonAssignment macro = SlotWith(fn::Macro);
    macro.RunMode = 2;
    macro.EventCount = 7;
    EXPECT_EQ(CellFor(macro, 0, 10), (ButtonCell{0x09, 2, 0, 7}));

    ButtonAssignment fire = SlotWith(fn::Fire);
    fire.SetKey(0x04, 0);
    fire.FireCount = 300; // low byte only
    fire.FireInterval = 11;
    EXPECT_EQ(CellFor(fire, 0, 10), (ButtonCell{0x0A, 0x04, 5, 300 & 0xFF}));
    fire.FireInterval = 4;
    EXPECT_EQ(CellFor(fire, 0, 10)[2], 2);

    EXPECT_EQ(CellFor(SlotWith(fn::Repeat), 0, 15), (ButtonCell{0x0A, 0, 7, 7}));
    EXPECT_EQ(CellFor(SlotWith(fn::Program), 40, 10), (ButtonCell{0x06, 0, 0, 41}));
}

TEST(ButtonMap, DefaultProfileMapsEverySentSlot) {
    auto p = DefaultProfile();
    ButtonMapImage map = BuildButtonMap(*p);
    EXPECT_TRUE(map.banks.empty());
    EXPECT_EQ(CellAt(map, 0), (ButtonCell{0x01, 0, 0xF0, 0}));
    EXPECT_EQ(CellAt(map, 16 + 9), (ButtonCell{0, 0, 0, 0})); // slot 25 is never sent
    EXPECT_EQ(CellAt(map, 32 + 9), (ButtonCell{0x03, 0, 0x8A, 0x01}));
    EXPECT_EQ(CellAt(map, 63), (ButtonCell{0x04, 0, 2, 0}));
}

TEST(ButtonMap, Slots24To29StayEmptyAndTakeNoBank) {
    auto p = DefaultProfile();
    for (int s = 24; s <= 29; ++s)
        p->Buttons[s].Function = fn::Copy;
    p->Buttons[30].Function = fn::Paste;
    ButtonMapImage map = BuildButtonMap(*p);
    for (int s = 24; s <= 29; ++s)
        EXPECT_EQ(CellAt(map, s), (ButtonCell{})) << "slot " << s;
    ASSERT_EQ(map.banks.size(), 1u);
    EXPECT_EQ(CellAt(map, 30), (ButtonCell{0x09, 0, 1, 4}));
}

TEST(ButtonMap, BanksAreNumberedInSlotOrderAndTheTwelfthGetsNone) {
    auto p = DefaultProfile();
    const int slots[] = {0, 3, 5, 7, 9, 11, 13, 15, 31, 33, 40, 50, 63};
    for (int s : slots)
        p->Buttons[s].Function = fn::Undo;
    ButtonMapImage map = BuildButtonMap(*p);
    ASSERT_EQ(map.banks.size(), 11u);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(CellAt(map, slots[i])[2], i + 1) << "slot " << slots[i];
    EXPECT_EQ(CellAt(map, 50), (ButtonCell{0x09, 0, 0, 4}));
    EXPECT_EQ(CellAt(map, 63), (ButtonCell{0x09, 0, 0, 4}));
}

TEST(ButtonMap, MacroCellCountsTheStepsItsBankHolds) {
    auto p = DefaultProfile();
    ButtonAssignment& slot = p->Buttons[2];
    slot.Function = fn::Macro;
    slot.EventCount = 40;
    for (int i = 0; i < 40; ++i)
        slot.Events[i] = {0x04, uint8_t(i % 2 ? MacroRelease : MacroPress), 5000};
    ButtonMapImage map = BuildButtonMap(*p);
    ASSERT_EQ(map.banks.size(), 1u);
    EXPECT_EQ(CellAt(map, 2)[2], 1);
    // 31 four-byte steps and the release of the key the last one pressed.
    EXPECT_EQ(CellAt(map, 2)[3], 32);
}

} // namespace
} // namespace mervik
