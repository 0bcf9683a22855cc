#include "service/win32/TrayMenuWin32.h"

#include "settings/win32/WidePath.h"

namespace mervik {

win::UniqueMenu CreateTrayMenu(const std::vector<TrayMenuItem>& items) {
    win::UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        return menu;
    for (const TrayMenuItem& item : items) {
        if (!item.command) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuW(menu.get(), MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                    item.command, win::Widen(item.label).c_str());
        if (item.radio) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_STRING | MFT_RADIOCHECK;
            SetMenuItemInfoW(menu.get(), item.command, FALSE, &info);
        }
        if (item.isDefault)
            SetMenuDefaultItem(menu.get(), item.command, FALSE);
    }
    return menu;
}

} // namespace mervik
