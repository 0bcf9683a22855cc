#include "ui/core/FunctionMenu.h"

#include <initializer_list>
#include <utility>

#include "settings/FunctionCodes.h"

namespace mervik::ui {

namespace {

constexpr int kMacroItemText = 1143;
constexpr int kMacroSubmenu = 1062;

// Buttons whose menu leaves out the twin lock, the window switch or the macro.
bool OffersLinkedTwin(int button) {
    return button >= 0 && button <= 13;
}
bool OffersSwitchWindow(int button) {
    return button != 8 && button != 9;
}
bool OffersMacro(int button) {
    return (button & 31) != 14 && (button & 31) != 15;
}

// The text an item shows: its own number's, except the macro item's.
int MenuItemText(int item) {
    return item == kItemMacro ? kMacroItemText : item;
}

MenuEntry Item(int item) {
    return {item, MenuItemText(item), {}};
}

MenuEntry Submenu(int title, std::initializer_list<int> items) {
    MenuEntry entry{0, title, {}};
    for (int item : items)
        entry.submenu.push_back(Item(item));
    return entry;
}

} // namespace

MenuModel FunctionMenuFor(int button) {
    MenuModel menu;
    for (int item : {1003, 1005, 1004, 1008, 1009})
        menu.push_back(Item(item));
    if (OffersLinkedTwin(button))
        menu.push_back(Item(kItemLinkedTwin));
    for (int item : {1052, 1053, kItemFire, kItemKeyCombination, 1058})
        menu.push_back(Item(item));

    menu.push_back(Submenu(1055, {1104, 1105, 1106}));
    menu.push_back(Submenu(1107, {1108, 1109, 1110}));
    menu.push_back(Submenu(1006, {1007, 1010, 1011, 1012, 1013, 1014, 1021, 1078}));
    MenuEntry windows = Submenu(1015, {1022, 1024, 1025, 1056, 1057});
    if (OffersSwitchWindow(button))
        windows.submenu.insert(windows.submenu.begin(), Item(1020));
    menu.push_back(std::move(windows));
    menu.push_back(Submenu(1026, {1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1039}));
    menu.push_back(Submenu(1040, {1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048}));
    if (OffersMacro(button))
        menu.push_back(Submenu(kMacroSubmenu, {kItemMacro}));
    return menu;
}

uint8_t FunctionOfMenuItem(int item) {
    switch (item) {
    case kItemKeyCombination:
        return fn::Key;
    case kItemMacro:
        return fn::Macro;
    case kItemFire:
        return fn::Fire;
    default:
        break;
    }
    // Every other item is the text of its code's caption.
    for (int code = 0; code <= 255; ++code) {
        fn::FunctionLabel label = fn::LabelOf(static_cast<uint8_t>(code));
        if (label.kind == fn::LabelKind::String && label.stringId == item)
            return static_cast<uint8_t>(code);
    }
    return 0;
}

} // namespace mervik::ui
