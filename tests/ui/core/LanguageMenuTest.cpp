// Option's language menu: what it offers, what it marks, what a choice makes.
#include <gtest/gtest.h>

#include <set>

#include "lang/TextIds.h"
#include "ui/core/LanguageMenu.h"
#include "ui/core/MenuLayout.h"

namespace mervik::ui {
namespace {

TEST(LanguageMenu, TheSystemFirstThenEachLanguage_TheChosenOneMarked) {
    for (LanguageChoice chosen :
         {LanguageChoice::System, LanguageChoice::English, LanguageChoice::ChineseSimplified}) {
        const std::vector<LanguageMenuItem> items = LanguageMenu(chosen);
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0].text, kTextLanguageSystem);
        EXPECT_EQ(items[1].text, kTextLanguageEnglish);
        EXPECT_EQ(items[2].text, kTextLanguageChinese);
        int marked = 0;
        std::set<int> commands;
        for (const LanguageMenuItem& item : items) {
            commands.insert(item.command);
            if (item.marked) {
                ++marked;
                EXPECT_EQ(LanguageOfCommand(item.command), chosen);
                EXPECT_EQ(item.text, LanguageChoiceText(chosen));
            }
        }
        EXPECT_EQ(marked, 1);
        EXPECT_EQ(commands.size(), 3u);
    }
}

TEST(LanguageMenu, OtherCommandsChooseNothing) {
    const std::vector<LanguageMenuItem> items = LanguageMenu(LanguageChoice::System);
    EXPECT_FALSE(LanguageOfCommand(0).has_value()) << "the menu was closed";
    EXPECT_FALSE(LanguageOfCommand(items.back().command + 1).has_value());
    EXPECT_FALSE(LanguageOfCommand(-1).has_value());
    for (const LanguageMenuItem& item : items)
        EXPECT_GT(item.command, kMenuHiddenItemId) << "the popup menu would draw it with no height";
}

} // namespace
} // namespace mervik::ui
