#pragma once
// The function menu of a button: which items it offers, in which submenus,
// and the function code each item stands for. An item's command is also the
// number of its text in the language library (lang/TextIds.h), except the
// macro item's.
#include <cstdint>

#include "ui/core/MenuModel.h"

namespace mervik::ui {

constexpr int kFirstFunctionItem = 1000;
constexpr int kLastFunctionItem = 2000;

// The menu of button `button` (0..63): the single items, then the submenus.
MenuModel FunctionMenuFor(int button);

// The function code an item stands for in the menu of button `button`; 0 for a
// number that stands for none. Default stands for the button's own default
// function (none without a button).
uint8_t FunctionOfMenuItem(int item, int button = -1);

} // namespace mervik::ui
