#include "ui/core/FunctionMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "lang/TextIds.h"
#include "settings/FunctionCodes.h"
#include "settings/PathFileName.h"
#include "settings/TextField.h"
#include "tests/support/ProfileFixture.h"
#include "ui/core/FunctionCaption.h"
#include "ui/core/FunctionLabels.h"

namespace mervik::ui {
namespace {

// Stands in for lan.dll: every text names its own number.
std::string Numbered(int id) {
    return "T" + std::to_string(id);
}

ButtonAssignment Slot(uint8_t code) {
    ButtonAssignment slot;
    std::memset(&slot, 0, sizeof slot);
    slot.Function = code;
    return slot;
}

bool Contains(const std::vector<int>& items, int item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// The commands of the single items of one level, in order.
std::vector<int> Items(const MenuModel& level) {
    std::vector<int> items;
    for (const MenuEntry& entry : level)
        if (entry.submenu.empty())
            items.push_back(entry.command);
    return items;
}

std::vector<const MenuEntry*> Submenus(const MenuModel& menu) {
    std::vector<const MenuEntry*> submenus;
    for (const MenuEntry& entry : menu)
        if (!entry.submenu.empty())
            submenus.push_back(&entry);
    return submenus;
}

std::vector<int> EveryItem(const MenuModel& menu) {
    std::vector<int> all = Items(menu);
    for (const MenuEntry* sub : Submenus(menu)) {
        const std::vector<int> items = Items(sub->submenu);
        all.insert(all.end(), items.begin(), items.end());
    }
    return all;
}

TEST(FunctionLabels, EachKindOfCode) {
    EXPECT_EQ(LabelOf(fn::LeftButton).stringId, kTextLeftClick);
    EXPECT_EQ(LabelOf(116).stringId, kTextModeShift);
    EXPECT_EQ(LabelOf(fn::Key).kind, LabelKind::KeyText);
    EXPECT_EQ(LabelOf(fn::Program).kind, LabelKind::FileName);
    EXPECT_EQ(LabelOf(200).kind, LabelKind::None);
}

TEST(FunctionCaption, CodesWithATextShowIt) {
    struct Case {
        uint8_t code;
        const char* caption;
    } cases[] = {
        {1, "T1003"},   {2, "T1005"},   {3, "T1004"},   {4, "T1052"},  {7, "T1058"},
        {8, "T1007"},   {15, "T1014"},  {19, "T1019"},  {20, "T1020"}, {23, "T1023"},
        {32, "T1027"},  {43, "T1038"},  {44, "T1039"},  {48, "T1041"}, {49, "T1045"},
        {50, "T1044"},  {51, "T1042"},  {56, "T1046"},  {65, "T1051"}, {66, "T1053"},
        {68, "T1078"},  {81, "T1057"},  {84, "T1059"},  {96, "T1104"}, {103, "T1106"},
        {104, "T1109"}, {112, "T1108"}, {116, "T1142"}, {69, "T1271"}, {70, "T1275"},
        {71, "T1274"},  {100, "T1276"}, {113, "T1273"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FunctionCaption(Slot(c.code), Numbered), c.caption) << int(c.code);
}

// Stands in for lan.dll with the one text that holds a number.
std::string WithFunctionNumber(unsigned id) {
    return id == kTextFunctionNumber ? "Function %1" : Numbered(static_cast<int>(id));
}

TEST(FunctionCaption, NoBoxIsEverEmpty) {
    for (int code = 0; code <= 255; ++code)
        EXPECT_NE(FunctionCaption(Slot(static_cast<uint8_t>(code)), Numbered), "") << code;
    for (int code : {0, 26, 79, 101, 117, 255})
        EXPECT_EQ(FunctionCaption(Slot(static_cast<uint8_t>(code)), WithFunctionNumber),
                  "Function " + std::to_string(code));
    // A slot whose own data is missing says its code too.
    EXPECT_EQ(FunctionCaption(Slot(fn::Key), WithFunctionNumber), "Function 5");
    EXPECT_EQ(FunctionCaption(Slot(fn::Macro), WithFunctionNumber), "Function 6");
}

TEST(FunctionCaption, SlotsThatCarryTheirOwnData) {
    ButtonAssignment key = Slot(fn::Key);
    key.EventCount = 1;
    key.SetKey(62, ModShift | ModCtrl);
    EXPECT_EQ(FunctionCaption(key, Numbered), "Shift+Ctrl+F5");
    key.SetKey(62, ModNone | ModShift | ModCtrl);
    EXPECT_EQ(FunctionCaption(key, Numbered), "F5");

    ButtonAssignment fire = Slot(fn::Fire);
    fire.EventCount = 1;
    fire.SetKey(44, 0);
    EXPECT_EQ(FunctionCaption(fire, Numbered), "T1054 + Space");

    ButtonAssignment macro = Slot(fn::Macro);
    SetTextField(macro.MacroName, "Combo");
    EXPECT_EQ(FunctionCaption(macro, Numbered), "Combo");
    std::memset(macro.MacroName, 'x', sizeof macro.MacroName); // no terminator
    EXPECT_EQ(FunctionCaption(macro, Numbered), std::string(kMacroNameFieldSize, 'x'));

    ButtonAssignment program = Slot(fn::Program);
    SetTextField(program.ProgramPath, "C:\\Games\\Arena\\arena.exe");
    EXPECT_EQ(FunctionCaption(program, Numbered), "arena.exe");
    SetTextField(program.ProgramPath, "tools/run.bat");
    EXPECT_EQ(FunctionCaption(program, Numbered), "run.bat");
    EXPECT_EQ(PathFileName("C:\\Games\\"), "");
}

TEST(FunctionCaption, ResetGivesTheDefaultsTheirCaptions) {
    auto profile = testing::DefaultProfile();
    ResetButtonTable(*profile);
    EXPECT_EQ(FunctionCaption(profile->Buttons[0], Numbered), "T1003");
    EXPECT_EQ(profile->Buttons[7].Function, 71);
    EXPECT_EQ(FunctionCaption(profile->Buttons[7], Numbered), "T1274");
    EXPECT_EQ(FunctionCaption(profile->Buttons[39], Numbered), "T1274");
    EXPECT_EQ(FunctionCaption(profile->Buttons[47], Numbered), "T1017");
}

TEST(FunctionMenu, TopLevelAndSubmenusInOrder) {
    const MenuModel menu = FunctionMenuFor(0);
    EXPECT_EQ(Items(menu), (std::vector<int>{1003, 1005, 1004, 1008, 1009, 1059, 1052, 1053, 1054,
                                             1060, 1058, 1270}));
    const std::vector<const MenuEntry*> submenus = Submenus(menu);
    std::vector<int> titles;
    for (const MenuEntry* sub : submenus) {
        titles.push_back(sub->text);
        EXPECT_EQ(sub->command, 0) << "a submenu's title sends nothing";
    }
    EXPECT_EQ(titles, (std::vector<int>{1055, 1107, 1006, 1015, 1026, 1040, 1062}));
    EXPECT_EQ(Items(submenus[3]->submenu), (std::vector<int>{1020, 1022, 1024, 1025, 1056, 1057}));
    const MenuEntry& macro = submenus[6]->submenu.at(0);
    EXPECT_EQ(macro.command, 1049);
    EXPECT_EQ(macro.text, 1143);
    EXPECT_EQ(submenus[3]->submenu.at(0).text, 1020);
    EXPECT_EQ(Items(submenus[0]->submenu), (std::vector<int>{1104, 1105, 1106, 1274}));
}

TEST(FunctionMenu, EveryDefaultFunctionCanBeChosenAgain) {
    for (int button = 0; button < 64; ++button) {
        const uint8_t code = fn::DefaultFunction(button);
        EXPECT_EQ(FunctionOfMenuItem(kTextButtonDefault, button), code) << button;
        EXPECT_EQ(LabelOf(code).kind, LabelKind::String) << button;
    }
    EXPECT_EQ(FunctionOfMenuItem(kTextButtonDefault), 0) << "no button, no default";
    // Button 8's default has an item of its own too.
    EXPECT_EQ(FunctionOfMenuItem(1274), 71);
}

TEST(FunctionMenu, ItemsSomeButtonsGoWithout) {
    for (int button = 0; button < 64; ++button) {
        const MenuModel menu = FunctionMenuFor(button);
        std::vector<int> all = EveryItem(menu);
        EXPECT_EQ(Contains(Items(menu), 1059), button <= 13) << button;
        EXPECT_EQ(Contains(all, 1020), button != 8 && button != 9) << button;
        bool noMacro = button == 14 || button == 15 || button == 46 || button == 47;
        EXPECT_EQ(Contains(all, 1049), !noMacro) << button;
        EXPECT_EQ(menu.back().text == 1062, !noMacro) << button;
    }
}

TEST(FunctionMenu, EveryOfferedItemStandsForTheCodeItsCaptionNames) {
    for (int item : EveryItem(FunctionMenuFor(0))) {
        uint8_t code = FunctionOfMenuItem(item, 0);
        ASSERT_NE(code, 0) << item;
        FunctionLabel label = LabelOf(code);
        if (label.kind == LabelKind::String && item != kTextButtonDefault) {
            EXPECT_EQ(label.stringId, item);
        }
    }
    EXPECT_EQ(FunctionOfMenuItem(1060), fn::Key);
    EXPECT_EQ(FunctionOfMenuItem(1049), fn::Macro);
    EXPECT_EQ(FunctionOfMenuItem(1054), fn::Fire);
    EXPECT_EQ(FunctionOfMenuItem(1059), 84);
    EXPECT_EQ(FunctionOfMenuItem(1045), 49);
    for (int titleOrStray : {1006, 1040, 1055, 1062, 999, 2000, 1143})
        EXPECT_EQ(FunctionOfMenuItem(titleOrStray), 0) << titleOrStray;
}

} // namespace
} // namespace mervik::ui
