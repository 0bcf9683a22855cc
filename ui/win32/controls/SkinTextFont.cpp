#include "ui/win32/controls/SkinTextFont.h"

#include "win32/Gdi.h"

namespace mervik::ui {

HFONT SkinTextFont() {
    static const Font font(
        CreateFontA(15, 6, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    return font.get();
}

} // namespace mervik::ui
