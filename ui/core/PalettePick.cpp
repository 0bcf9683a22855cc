#include "ui/core/PalettePick.h"

#include <algorithm>

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

PalettePoint MovedPalettePoint(const PixelRect& palette, PalettePoint from, PaletteMove move,
                               bool stride) {
    if (palette.IsEmpty())
        return from;
    const int step = stride ? kPaletteStride : 1;
    PalettePoint to = from;
    switch (move) {
    case PaletteMove::Left:
        to.x -= step;
        break;
    case PaletteMove::Right:
        to.x += step;
        break;
    case PaletteMove::Up:
        to.y -= step;
        break;
    case PaletteMove::Down:
        to.y += step;
        break;
    case PaletteMove::RowStart:
        to.x = palette.left;
        break;
    case PaletteMove::RowEnd:
        to.x = palette.right - 1;
        break;
    case PaletteMove::Top:
        to.y = palette.top;
        break;
    case PaletteMove::Bottom:
        to.y = palette.bottom - 1;
        break;
    }
    to.x = std::clamp(to.x, palette.left, palette.right - 1);
    to.y = std::clamp(to.y, palette.top, palette.bottom - 1);
    return to;
}

} // namespace mervik::ui
