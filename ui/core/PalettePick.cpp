#include "ui/core/PalettePick.h"

namespace mervik::ui {

bool InPalette(const PixelRect& palette, int x, int y) {
    return x >= palette.left && x < palette.right && y >= palette.top && y < palette.bottom;
}

PickCursor CursorAt(const PixelRect& palette, int x, int y) {
    return InPalette(palette, x, y) ? PickCursor::Cross : PickCursor::Arrow;
}

uint32_t ColourAfterPress(const PixelRect& palette, int x, int y, std::optional<uint32_t> pixel,
                          uint32_t current) {
    if (!InPalette(palette, x, y) || !pixel || *pixel > 0xFFFFFF)
        return current;
    return *pixel;
}

} // namespace mervik::ui
