#include "ui/win32/controls/PlaceEdit.h"

#include "ui/core/DisplayScale.h"
#include "ui/win32/controls/PlaceButton.h"

namespace mervik::ui {
namespace {

constexpr int kLineHeight = 16;

} // namespace

RECT FieldTextBand(const PixelRect& field, int scalePercent) {
    RECT band = ToRect(field);
    const int line = ScaleLength(kLineHeight, scalePercent);
    const int spare = field.Height() - line;
    if (spare > 0) {
        band.top += spare / 2;
        band.bottom = band.top + line;
    }
    return band;
}

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
    const ButtonPos place = skin.Pos(key);
    edit.SetLabel(place.label);
    const int scale = skin.ScalePercent();
    edit.SetFontScale(scale);
    return edit.Create(parent, FieldTextBand(place.rect, scale));
}

} // namespace mervik::ui
