#pragma once
// The colour picker's palette: a press inside it takes the colour of the
// palette picture under the pointer; the pointer shows a cross there and the
// arrow elsewhere.
#include <cstdint>
#include <optional>

#include "ui/core/ButtonPos.h"

namespace mervik::ui {

enum class PickCursor { Cross, Arrow };

// Left and top edges belong to the rectangle, right and bottom do not.
bool InPalette(const PixelRect& palette, int x, int y);
PickCursor CursorAt(const PixelRect& palette, int x, int y);

// The colour (0x00BBGGRR) after a press at (x, y): the picture's pixel there
// when the press is in the palette and the pixel could be read, else `current`.
uint32_t ColourAfterPress(const PixelRect& palette, int x, int y, std::optional<uint32_t> pixel,
                          uint32_t current);

// The keyboard's point on the palette: the arrows move it a pixel (a stride
// with Ctrl), Home and End to the row's ends, Page Up and Page Down to the
// column's; it stays inside the palette.
enum class PaletteMove { Left, Right, Up, Down, RowStart, RowEnd, Top, Bottom };
struct PalettePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PalettePoint&) const = default;
};
constexpr int kPaletteStride = 8;
PalettePoint MovedPalettePoint(const PixelRect& palette, PalettePoint from, PaletteMove move,
                               bool stride);

} // namespace mervik::ui
