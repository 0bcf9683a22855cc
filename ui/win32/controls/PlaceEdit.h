#pragma once
// A field of a small dialog at its BUTTONPOS place: a skinned edit with black
// text centred on white.
#include "ui/win32/controls/CBitmapEdit.h"
#include "ui/win32/skin/SkinImages.h"

namespace mervik::ui {

enum class FieldKind { Key, Number };

// A key field only shows what the program puts there; a number field takes
// up to `digits` digits.
bool PlaceDialogField(CBitmapEdit& edit, HWND parent, const SkinFile& skin, int key, FieldKind kind,
                      int digits = 0);

} // namespace mervik::ui
