#pragma once
// A popup menu of a page as its rules describe it: what each item sends and
// which language text it shows. An entry with entries of its own opens them as
// a submenu and sends nothing itself.
#include <vector>

namespace mervik::ui {

struct MenuEntry {
    int command = 0;
    unsigned text = 0;
    std::vector<MenuEntry> submenu;
};

using MenuModel = std::vector<MenuEntry>;

} // namespace mervik::ui
