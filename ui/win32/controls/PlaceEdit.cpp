#include "ui/win32/controls/PlaceEdit.h"

#include "ui/win32/controls/PlaceButton.h"

namespace mervik::ui {

bool PlaceDialogField(CBitmapEdit& edit, HWND parent, const SkinFile& skin, int key, FieldKind kind,
                      int digits) {
    edit.SetCentred(true);
    edit.SetColours(RGB(0, 0, 0), RGB(255, 255, 255));
    if (kind == FieldKind::Key) {
        edit.SetReadOnly(true);
    } else {
        edit.SetDigitsOnly(true);
        edit.SetLimit(digits);
    }
    return edit.Create(parent, ToRect(skin.Pos(key).rect));
}

} // namespace mervik::ui
