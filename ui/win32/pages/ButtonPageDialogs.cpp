#include "ui/win32/pages/ButtonPageDialogs.h"

namespace mervik::ui {

// The dialogs are being built; until then every question is cancelled.
bool AskShortcut(HWND, uint8_t&, uint8_t&) {
    return false;
}
bool AskFire(HWND, int&, int&, uint8_t&) {
    return false;
}
bool AskColour(HWND, COLORREF&) {
    return false;
}

} // namespace mervik::ui
