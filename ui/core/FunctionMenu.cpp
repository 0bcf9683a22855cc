#include "ui/core/FunctionMenu.h"

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

} // namespace

FunctionMenuModel FunctionMenuFor(int button) {
    FunctionMenuModel menu;
    menu.items = {1003, 1005, 1004, 1008, 1009};
    if (OffersLinkedTwin(button))
        menu.items.push_back(kItemLinkedTwin);
    menu.items.insert(menu.items.end(), {1052, 1053, kItemFire, kItemKeyCombination, 1058});

    FunctionSubmenu windows{1015, {}};
    if (OffersSwitchWindow(button))
        windows.items.push_back(1020);
    windows.items.insert(windows.items.end(), {1022, 1024, 1025, 1056, 1057});

    menu.submenus = {
        {1055, {1104, 1105, 1106}},
        {1107, {1108, 1109, 1110}},
        {1006, {1007, 1010, 1011, 1012, 1013, 1014, 1021, 1078}},
        windows,
        {1026, {1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1039}},
        {1040, {1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048}},
    };
    if (OffersMacro(button))
        menu.submenus.push_back({kMacroSubmenu, {kItemMacro}});
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

int MenuItemText(int item) {
    return item == kItemMacro ? kMacroItemText : item;
}

} // namespace mervik::ui
