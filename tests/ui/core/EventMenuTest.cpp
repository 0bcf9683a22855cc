#include "ui/core/EventMenu.h"

#include <gtest/gtest.h>

#include <set>

namespace mervik::ui {
namespace {

void CollectCommands(const MenuModel& level, std::multiset<int>& commands) {
    for (const MenuEntry& entry : level) {
        if (entry.submenu.empty())
            commands.insert(entry.command);
        else
            CollectCommands(entry.submenu, commands);
    }
}

TEST(EventMenu, StepItemsThenTheMouseButtonsInTheirPlace) {
    const MenuModel menu = EventMenu();
    ASSERT_EQ(menu.size(), 6u);
    const int commands[] = {kEventRecordBefore, kEventRecordAfter, kEventInsertPause, 0,
                            kEventEditPause,    kEventDeleteStep};
    const int texts[] = {1063, 1064, 1065, 1068, 1066, 1067};
    for (size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(menu[i].command, commands[i]) << i;
        EXPECT_EQ(menu[i].text, texts[i]) << i;
    }
    std::multiset<int> all;
    CollectCommands(menu, all);
    EXPECT_EQ(all.size(), 5u + 15u);
    EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), all.size())
        << "no two items send the same command";
    EXPECT_EQ(all.count(0), 0u);
}

TEST(EventMenu, EachMouseItemInsertsTheStepItsPlaceNames) {
    const MenuModel menu = EventMenu();
    const MenuEntry& buttons = menu[3];
    ASSERT_EQ(buttons.submenu.size(), 5u);
    for (int b = 0; b < 5; ++b) {
        const MenuEntry& button = buttons.submenu[b];
        EXPECT_EQ(button.text, 1069 + b);
        ASSERT_EQ(button.submenu.size(), 3u);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(button.submenu[k].text, 1074 + k);
            const std::optional<MouseStepChoice> step =
                MouseStepOfCommand(button.submenu[k].command);
            ASSERT_TRUE(step.has_value()) << b << k;
            EXPECT_EQ(step->code, 240 + b);
            EXPECT_EQ(step->kind, static_cast<MouseStepKind>(k));
        }
    }
    for (int other : {0, int{kEventRecordBefore}, int{kEventDeleteStep}, 1019, 1035})
        EXPECT_FALSE(MouseStepOfCommand(other).has_value()) << other;
}

} // namespace
} // namespace mervik::ui
