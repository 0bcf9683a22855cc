#include <gtest/gtest.h>

#include "ui/core/AccessKey.h"
#include "ui/core/AccessibleFacts.h"
#include "ui/core/DialogKeys.h"
#include "ui/core/SliderMath.h"
#include "ui/core/TabOrder.h"

namespace mervik::ui {
namespace {

PixelRect At(int x, int y, int w = 20, int h = 10) {
    return PixelRect{x, y, x + w, y + h};
}

TEST(TabOrder, RowsTopToBottomEachLeftToRight) {
    const std::vector<PixelRect> places = {
        At(200, 100),        // 0: second row, right
        At(10, 12),          // 1: first row, left (a little lower than 2)
        At(120, 10),         // 2: first row, right
        At(10, 100, 20, 40), // 3: second row, a tall list on the left
        At(60, 118),         // 4: beside the list, below the row's top: still its row
        At(10, 300),         // 5: last row
    };
    EXPECT_EQ(ReadingOrder(places), (std::vector<size_t>{1, 2, 3, 4, 0, 5}));
}

TEST(TabOrder, ControlsBarelyTouchingAreRowsOfTheirOwn) {
    // Overlapping by less than half the smaller height: the lower one is
    // the next row, even when it lies further left.
    const std::vector<PixelRect> places = {At(100, 0, 20, 20), At(0, 15, 20, 20)};
    EXPECT_EQ(ReadingOrder(places), (std::vector<size_t>{0, 1}));
}

TEST(TabOrder, TabAndShiftTabWrapAndStartFromTheEnds) {
    const std::vector<PixelRect> places = {At(0, 50), At(0, 0), At(50, 0)};
    // Reading order: 1, 2, 0.
    EXPECT_EQ(NextInReadingOrder(places, 1, false), 2);
    EXPECT_EQ(NextInReadingOrder(places, 0, false), 1);  // wraps
    EXPECT_EQ(NextInReadingOrder(places, 1, true), 0);   // wraps back
    EXPECT_EQ(NextInReadingOrder(places, -1, false), 1); // nothing focused yet
    EXPECT_EQ(NextInReadingOrder(places, -1, true), 0);
    EXPECT_EQ(NextInReadingOrder({}, 0, false), -1);
}

TEST(TabOrder, ArrowsMoveAlongAGroupAndWrap) {
    // Four rate buttons in a row, given out of order.
    const std::vector<PixelRect> rates = {At(90, 0), At(0, 0), At(60, 0), At(30, 0)};
    EXPECT_EQ(ArrowTarget(rates, 1, ArrowKey::Right), 3);
    EXPECT_EQ(ArrowTarget(rates, 1, ArrowKey::Down), 3);
    EXPECT_EQ(ArrowTarget(rates, 3, ArrowKey::Left), 1);
    EXPECT_EQ(ArrowTarget(rates, 3, ArrowKey::Up), 1);
    EXPECT_EQ(ArrowTarget(rates, 0, ArrowKey::Right), 1); // from the last to the first
    EXPECT_EQ(ArrowTarget(rates, 1, ArrowKey::Left), 0);
}

TEST(DialogKeys, WhatEachKeyDoesByTheFocusedControl) {
    const FocusFacts none{};
    const FocusFacts button{FocusKind::Button, false};
    const FocusFacts grouped{FocusKind::Button, true};
    const FocusFacts menu{FocusKind::MenuButton, false};
    const FocusFacts groupedMenu{FocusKind::MenuButton, true};
    const FocusFacts field{FocusKind::Field, false};
    struct Case {
        KeyStroke stroke;
        FocusFacts focus;
        bool escapeCancels;
        KeyAction action;
    } cases[] = {
        {{DialogKey::Tab}, none, false, KeyAction::NextControl},
        {{DialogKey::Tab, true}, field, false, KeyAction::PreviousControl},
        {{DialogKey::Tab, false, true}, button, false, KeyAction::Pass},        // Ctrl+Tab
        {{DialogKey::Tab, false, false, true}, button, false, KeyAction::Pass}, // Alt+Tab
        // Enter presses a button; elsewhere the window never ends on it.
        {{DialogKey::Enter}, button, false, KeyAction::Press},
        {{DialogKey::Enter}, menu, false, KeyAction::Press},
        {{DialogKey::Enter}, none, false, KeyAction::Swallow},
        {{DialogKey::Enter}, field, false, KeyAction::Pass},
        {{DialogKey::Space}, button, false, KeyAction::Press},
        {{DialogKey::Space}, field, false, KeyAction::Pass},
        {{DialogKey::Space}, none, false, KeyAction::Pass},
        {{DialogKey::Space, false, false, true}, button, false, KeyAction::Pass}, // window menu
        {{DialogKey::Enter, false, false, true}, button, false, KeyAction::Pass},
        // Escape: Cancel in the warnings, nothing in the main window.
        {{DialogKey::Escape}, button, true, KeyAction::Cancel},
        {{DialogKey::Escape}, none, true, KeyAction::Cancel},
        {{DialogKey::Escape}, button, false, KeyAction::Pass},
        // A menu button's menu: F4, Alt+Down; not on other buttons.
        {{DialogKey::F4}, menu, false, KeyAction::Press},
        {{DialogKey::F4}, button, false, KeyAction::Pass},
        {{DialogKey::F4, false, false, true}, menu, false, KeyAction::Pass}, // Alt+F4 closes
        {{DialogKey::Down, false, false, true}, groupedMenu, false, KeyAction::Press},
        {{DialogKey::Down, false, false, true}, button, false, KeyAction::Pass},
        // Arrows move within a group, and are a field's own.
        {{DialogKey::Right}, grouped, false, KeyAction::GroupNext},
        {{DialogKey::Down}, groupedMenu, false, KeyAction::GroupNext},
        {{DialogKey::Left}, grouped, false, KeyAction::GroupPrevious},
        {{DialogKey::Up}, grouped, false, KeyAction::GroupPrevious},
        {{DialogKey::Right}, button, false, KeyAction::Pass},
        {{DialogKey::Left}, field, false, KeyAction::Pass},
        {{DialogKey::Other}, button, true, KeyAction::Pass},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ActionForKey(c.stroke, c.focus, c.escapeCancels), c.action)
            << "key " << static_cast<int>(c.stroke.key) << " shift " << c.stroke.shift << " ctrl "
            << c.stroke.ctrl << " alt " << c.stroke.alt << " focus "
            << static_cast<int>(c.focus.kind) << " grouped " << c.focus.inGroup;
}

TEST(SliderKeys, StepsPagesAndEndsStayInTheRange) {
    const SliderRange range{1, 20};
    EXPECT_EQ(KeyedSliderValue(range, 10, SliderKey::StepUp), 11);
    EXPECT_EQ(KeyedSliderValue(range, 10, SliderKey::StepDown), 9);
    EXPECT_EQ(KeyedSliderValue(range, 20, SliderKey::StepUp), 20);
    EXPECT_EQ(KeyedSliderValue(range, 1, SliderKey::StepDown), 1);
    EXPECT_EQ(KeyedSliderValue(range, 10, SliderKey::PageUp), 11); // a tenth of 19 is 1
    EXPECT_EQ(KeyedSliderValue(SliderRange{0, 900}, 10, SliderKey::PageUp), 100);
    EXPECT_EQ(KeyedSliderValue(SliderRange{0, 900}, 50, SliderKey::PageDown), 0);
    EXPECT_EQ(KeyedSliderValue(range, 10, SliderKey::Minimum), 1);
    EXPECT_EQ(KeyedSliderValue(range, 10, SliderKey::Maximum), 20);
    // A value outside the range (set before the range changed) comes back in.
    EXPECT_EQ(KeyedSliderValue(range, 40, SliderKey::StepDown), 20);
}

TEST(AccessKeys, ReadFromTheSkinAndMatchedInEitherCase) {
    const std::optional<AccessKey> ok = ParseAccessKey("o, 38,22,9,FFFFFF");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->letter, 'O');
    EXPECT_EQ(ok->left, 38);
    EXPECT_EQ(ok->top, 22);
    EXPECT_EQ(ok->width, 9);
    EXPECT_EQ(ok->rgb, 0xFFFFFFu);
    EXPECT_TRUE(MatchesAccessKey(*ok, 'O'));
    EXPECT_TRUE(MatchesAccessKey(*ok, 'o'));
    EXPECT_FALSE(MatchesAccessKey(*ok, 'P'));
    EXPECT_EQ(ParseAccessKey("2,1,2,3,00aa00")->letter, '2');

    for (const char* bad : {"", "O", "O,1,2,3", "OK,1,2,3,FFFFFF", "&,1,2,3,FFFFFF",
                            "O,1,2,0,FFFFFF", "O,-1,2,3,FFFFFF", "O,1,2,3,FFFFF", "O,1,2,3,GGGGGG",
                            "O,1,2,3,FFFFFF,9", "O,x,2,3,FFFFFF"})
        EXPECT_FALSE(ParseAccessKey(bad)) << bad;
    EXPECT_EQ(ParseSkinColour("44BFFF"), 0x44BFFFu);
    EXPECT_FALSE(ParseSkinColour("44BFFF0"));
}

TEST(AccessibleNames, LabelThenWhatTheControlShows) {
    EXPECT_EQ(AccessibleName("Mode 1 left button", "Left click"), "Mode 1 left button: Left click");
    EXPECT_EQ(AccessibleName("Close", ""), "Close");
    EXPECT_EQ(AccessibleName("", "Default1"), "Default1");
    EXPECT_EQ(AccessibleName("Mode 1", "Mode 1"), "Mode 1");
    EXPECT_EQ(AccessKeyShortcut(ParseAccessKey("a,1,2,3,FFFFFF")), "Alt+A");
    EXPECT_EQ(AccessKeyShortcut(std::nullopt), "");
}

} // namespace
} // namespace mervik::ui
