#pragma once
// A field of a small dialog at its BUTTONPOS place: a skinned edit with black
// text centred on white.
#include "ui/win32/controls/CBitmapEdit.h"
#include "ui/win32/skin/SkinImages.h"

namespace mervik::ui {

enum class FieldKind { Key, Number };

// An edit draws its line at its top. Placed as a band of one line's height in
// the middle of the skin's field (the picture is white there too), the text
// stands in the field's middle.
RECT FieldTextBand(const PixelRect& field, int scalePercent);

// A key field only shows what the program puts there; a number field takes
// up to `digits` digits.
bool PlaceDialogField(CBitmapEdit& edit, HWND parent, const SkinFile& skin, int key, FieldKind kind,
                      int digits = 0);

} // namespace mervik::ui
