#include "ui/win32/pages/ButtonPageDialogs.h"

#include "ui/win32/dialogs/CColorPickerDlg.h"
#include "ui/win32/dialogs/CFireButtonDlg.h"
#include "ui/win32/dialogs/CShortcutDlg.h"

namespace mervik::ui {

bool AskShortcut(HWND owner, uint8_t& usage, uint8_t& modifiers) {
    CShortcutDlg dialog(usage, modifiers);
    if (dialog.DoModal(owner) != IDOK)
        return false;
    usage = dialog.Key();
    modifiers = dialog.Modifiers();
    return true;
}

bool AskFire(HWND owner, int& count, int& interval, uint8_t& usage) {
    CFireButtonDlg dialog(count, interval, usage);
    if (dialog.DoModal(owner) != IDOK)
        return false;
    count = dialog.Count();
    interval = dialog.Interval();
    usage = dialog.Key();
    return true;
}

bool AskColour(HWND owner, COLORREF& colour) {
    CColorPickerDlg dialog(colour);
    if (dialog.DoModal(owner) != IDOK)
        return false;
    colour = dialog.Colour();
    return true;
}

} // namespace mervik::ui
