#include "ui/core/FunctionMenu.h"

#include <initializer_list>
#include <utility>

#include "lang/TextIds.h"
#include "settings/FunctionCodes.h"
#include "ui/core/FunctionLabels.h"

namespace mervik::ui {

namespace {

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
unsigned MenuItemText(unsigned item) {
    return item == kTextMacroItem ? kTextChooseMacro : item;
}

MenuEntry Item(unsigned item) {
    return {static_cast<int>(item), MenuItemText(item), {}};
}

MenuEntry Submenu(unsigned title, std::initializer_list<unsigned> items) {
    MenuEntry entry{0, title, {}};
    for (unsigned item : items)
        entry.submenu.push_back(Item(item));
    return entry;
}

} // namespace

MenuModel FunctionMenuFor(int button) {
    MenuModel menu;
    for (unsigned item :
         {kTextLeftClick, kTextRightClick, kTextMiddleClick, kTextBack, kTextForward})
        menu.push_back(Item(item));
    if (OffersLinkedTwin(button))
        menu.push_back(Item(kTextSwitchMode));
    for (unsigned item : {kTextDoubleClick, kTextTripleClick, kTextRapidFire, kTextKeyCombination,
                          kTextDisabled, kTextButtonDefault})
        menu.push_back(Item(item));

    menu.push_back(
        Submenu(kTextDpiMenu, {kTextDpiCycle, kTextDpiUp, kTextDpiDown, kTextDpiFunction4Value2}));
    menu.push_back(Submenu(kTextRateMenu, {kTextRateCycle, kTextRateUp, kTextRateDown}));
    menu.push_back(
        Submenu(kTextBrowserMenu,
                {kTextBrowserHome, kTextBrowserStop, kTextBrowserRefresh, kTextBrowserSearch,
                 kTextFavourites, kTextEmail, kTextMyComputer, kTextCalculator}));
    MenuEntry windows =
        Submenu(kTextWindowsMenu, {kTextCloseWindow, kTextMinimiseWindow, kTextShowDesktop,
                                   kTextLockComputer, kTextRunCommand});
    if (OffersSwitchWindow(button))
        windows.submenu.insert(windows.submenu.begin(), Item(kTextSwitchWindow));
    menu.push_back(std::move(windows));
    menu.push_back(
        Submenu(kTextEditingMenu, {kTextOpen, kTextNew, kTextCut, kTextCopy, kTextPaste, kTextSave,
                                   kTextPrint, kTextFind, kTextRedo, kTextSelectAll}));
    menu.push_back(Submenu(kTextMediaMenu,
                           {kTextMediaPlayer, kTextPreviousTrack, kTextNextTrack, kTextStopPlayback,
                            kTextPlayPause, kTextMute, kTextVolumeUp, kTextVolumeDown}));
    if (OffersMacro(button))
        menu.push_back(Submenu(kTextMacroMenu, {kTextMacroItem}));
    return menu;
}

uint8_t FunctionOfMenuItem(int item, int button) {
    switch (item) {
    case kTextButtonDefault:
        return button >= 0 ? fn::DefaultFunction(button) : 0;
    case kTextKeyCombination:
        return fn::Key;
    case kTextMacroItem:
        return fn::Macro;
    case kTextRapidFire:
        return fn::Fire;
    default:
        break;
    }
    // Every other item is the text of its code's caption.
    for (int code = 0; code <= 255; ++code) {
        FunctionLabel label = LabelOf(static_cast<uint8_t>(code));
        if (label.kind == LabelKind::String && label.stringId == static_cast<unsigned>(item))
            return static_cast<uint8_t>(code);
    }
    return 0;
}

} // namespace mervik::ui
