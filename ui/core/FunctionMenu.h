#pragma once
// The function menu of a button: which items it offers, in which submenus,
// and the function code each item stands for. Item numbers are also the
// numbers of their texts in the language library.
#include <cstdint>
#include <vector>

namespace mervik::ui {

struct FunctionSubmenu {
    int title = 0; // text number of the submenu's title
    std::vector<int> items;
};

struct FunctionMenuModel {
    std::vector<int> items; // the top level, before the submenus
    std::vector<FunctionSubmenu> submenus;
};

constexpr int kFirstFunctionItem = 1000;
constexpr int kLastFunctionItem = 2000;

// Menu items with a rule of their own.
constexpr int kItemKeyCombination = 1060;
constexpr int kItemFire = 1054;
constexpr int kItemMacro = 1049;
constexpr int kItemLinkedTwin = 1059;

// The menu of button `button` (0..63).
FunctionMenuModel FunctionMenuFor(int button);

// The function code an item stands for; 0 for a number that stands for none.
uint8_t FunctionOfMenuItem(int item);

// The text an item shows: its own number's, except the macro item's.
int MenuItemText(int item);

} // namespace mervik::ui
