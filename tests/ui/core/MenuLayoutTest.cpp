#include "ui/core/MenuLayout.h"

#include <gtest/gtest.h>

namespace mervik::ui {
namespace {

TEST(MenuLayout, ItemHeightsBySortAndTheirTotal) {
    MenuLayout menu;
    EXPECT_EQ(menu.Measure(kMenuSeparatorItemId), 5);
    EXPECT_EQ(menu.Measure(kMenuHiddenItemId), 0);
    EXPECT_EQ(menu.Measure(3001), 17);
    menu.itemHeight = 20;
    EXPECT_EQ(menu.Measure(3002), 23);
    EXPECT_EQ(menu.totalHeight, 5 + 0 + 17 + 23);
}

TEST(MenuLayout, AppendingWidensButNeverNarrows) {
    MenuLayout menu;
    menu.width = 76;
    menu.Append(10, "short", 0);
    EXPECT_EQ(menu.width, 76);
    menu.Append(11, std::string(20, 'x'), 0);
    EXPECT_EQ(menu.width, 160);
    menu.Append(12, "a", 0);
    EXPECT_EQ(menu.width, 160);

    MenuLayout padded;
    padded.textMargin = 10;
    padded.extraWidth = 4;
    padded.Append(1, "abc", 0);
    EXPECT_EQ(padded.width, 4 + 24 + 10);
}

TEST(MenuLayout, ItemsAreNumberedInOrder) {
    MenuLayout menu;
    menu.Append(kMenuSeparatorCommand, "", 0);
    const MenuItem& item = menu.Append(77, "Left click", 1);
    EXPECT_EQ(item.number, 1);
    ASSERT_NE(menu.Find(1), nullptr);
    EXPECT_EQ(menu.Find(1)->command, 77);
    EXPECT_EQ(menu.Find(2), nullptr);
    EXPECT_EQ(menu.Find(-1), nullptr);
}

TEST(MenuLayout, MarkedItemKeepsItsColourSelectedOrNot) {
    MenuLayout menu;
    EXPECT_EQ(menu.ItemPaint(false, 1).text, 0xFFBF44u);
    EXPECT_EQ(menu.ItemPaint(true, 1).text, 0xFFBF44u);
    EXPECT_EQ(menu.ItemPaint(true, 1).fill, 0xF0A434u);
    EXPECT_EQ(menu.ItemPaint(false, 0).fill, 0x583A0Eu);
    EXPECT_EQ(menu.ItemPaint(false, 0).text, 0xE0E0E0u);
}

} // namespace
} // namespace mervik::ui
