#include <gtest/gtest.h>

#include "ui/core/CapturedKey.h"
#include "ui/core/ShortcutModifiers.h"

namespace mervik::ui {
namespace {

TEST(ShortcutModifiers, ButtonsFromTheStoredByteAndBack) {
    struct Case {
        uint8_t stored;
        std::array<bool, kModifierButtons> pressed;
        uint8_t byte;       // what OK stores again
        bool othersEnabled; // buttons 1 to 4
    } cases[] = {
        {0x00, {false, false, false, false, false}, 0x00, true},
        {0x04, {false, false, true, false, false}, 0x04, true},
        {0x0A, {false, true, false, true, false}, 0x0A, true},
        {0x1E, {false, true, true, true, true}, 0x1E, true},
        // The no-modifier bit silences the others and is stored alone.
        {0x1F, {true, true, true, true, true}, 0x01, false},
        {0x01, {true, false, false, false, false}, 0x01, false},
        // Bits above the five buttons are not kept.
        {0xE4, {false, false, true, false, false}, 0x04, true},
    };
    for (const Case& c : cases) {
        const ModifierStates states = ModifierStates::FromByte(c.stored);
        EXPECT_EQ(states.pressed, c.pressed) << int(c.stored);
        EXPECT_EQ(states.Byte(), c.byte) << int(c.stored);
        EXPECT_TRUE(states.Enabled(0));
        for (int i = 1; i < kModifierButtons; ++i)
            EXPECT_EQ(states.Enabled(i), c.othersEnabled) << int(c.stored) << " button " << i;
    }
}

TEST(ShortcutModifiers, ReleasingNoModifierBringsBackTheOthers) {
    ModifierStates states = ModifierStates::FromByte(0x0A); // Shift, Alt
    states.pressed[0] = true;
    EXPECT_EQ(states.Byte(), 0x01);
    states.pressed[0] = false;
    EXPECT_EQ(states.Byte(), 0x0A);
}

TEST(KeyField, OpensOnTheSlotsKeyOrEmpty) {
    struct Case {
        uint8_t stored;
        uint8_t usage;
        const char* text;
    } cases[] = {
        {6, 6, "C"},       // the key C
        {62, 62, "F5"},    // F5
        {88, 88, "Num_ "}, // keypad separator
        {240, 240, "Left Button"},
        {0, 0, ""},   // no key yet
        {100, 0, ""}, // a usage the table does not know is not handed back
        {255, 0, ""},
    };
    for (const Case& c : cases) {
        const KeyField field = KeyField::OfUsage(c.stored);
        EXPECT_EQ(field.usage, c.usage) << int(c.stored);
        EXPECT_EQ(field.text, c.text) << int(c.stored);
    }
}

TEST(KeyField, CapturedKeysReplaceTheKeyUnlessTheTableLacksThem) {
    KeyField field = KeyField::OfUsage(6);
    EXPECT_TRUE(field.TakeCaptured(116)); // F5
    EXPECT_EQ(field.usage, 62);
    EXPECT_EQ(field.text, "F5");
    EXPECT_TRUE(field.TakeCaptured(160)); // left Shift
    EXPECT_EQ(field.usage, 225);
    EXPECT_EQ(field.text, "L_Shift");
    // Select and Help have names but no usage; code 7 has neither.
    for (int unknown : {41, 47, 7, 0, 255}) {
        EXPECT_FALSE(field.TakeCaptured(unknown)) << unknown;
        EXPECT_EQ(field.usage, 225) << unknown;
        EXPECT_EQ(field.text, "L_Shift") << unknown;
    }
}

// The capture takes every key while the key field has the focus: Tab is the
// field's way out, Shift+Tab too without leaving Shift behind as the key.
TEST(KeyField, TabLeavesTheFieldInsteadOfBeingTaken) {
    constexpr int kTab = 0x09, kLeftShift = 0xA0, kF5 = 0x74;
    KeyField field = KeyField::OfUsage(0);
    EXPECT_EQ(field.TakeCapturedEvent(kF5, false), CapturedStep::Taken);
    EXPECT_EQ(field.TakeCapturedEvent(kF5, true), CapturedStep::Taken);
    EXPECT_EQ(field.TakeCapturedEvent(kTab, false), CapturedStep::LeaveForward);
    EXPECT_EQ(field.text, "F5");

    // Shift+Tab: the Shift press showed as the key, and is undone.
    EXPECT_EQ(field.TakeCapturedEvent(kLeftShift, false), CapturedStep::Taken);
    EXPECT_EQ(field.text, "L_Shift");
    EXPECT_EQ(field.TakeCapturedEvent(kLeftShift, false), CapturedStep::Taken); // repeat
    EXPECT_EQ(field.TakeCapturedEvent(kTab, false), CapturedStep::LeaveBackward);
    EXPECT_EQ(field.text, "F5");
    EXPECT_EQ(field.usage, 62);

    // Shift pressed and let go is the key chosen; a Tab after it leaves
    // forwards and keeps it.
    EXPECT_EQ(field.TakeCapturedEvent(kLeftShift, false), CapturedStep::Taken);
    EXPECT_EQ(field.TakeCapturedEvent(kLeftShift, true), CapturedStep::Taken);
    EXPECT_EQ(field.TakeCapturedEvent(kTab, false), CapturedStep::LeaveForward);
    EXPECT_EQ(field.text, "L_Shift");
    // Tab's release changes nothing.
    EXPECT_EQ(field.TakeCapturedEvent(kTab, true), CapturedStep::Unchanged);
}

} // namespace
} // namespace mervik::ui
