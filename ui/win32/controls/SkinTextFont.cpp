#include "ui/win32/controls/SkinTextFont.h"

#include <map>

#include "ui/core/DisplayScale.h"
#include "win32/Gdi.h"

namespace mervik::ui {

HFONT SkinTextFont(int scalePercent) {
    static std::map<int, Font> fonts;
    Font& font = fonts[scalePercent];
    if (!font)
        font = Font(CreateFontA(ScaleFontHeight(15, scalePercent), ScaleFontHeight(6, scalePercent),
                                0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    return font.get();
}

} // namespace mervik::ui
