#include <gtest/gtest.h>

#include "ui/core/PalettePick.h"

namespace mervik::ui {
namespace {

TEST(PalettePick, PressesTakeThePicturesPixelOnlyInsideThePalette) {
    const PixelRect palette{20, 54, 370, 230};
    const uint32_t old = 0x0080FF;
    struct Case {
        int x, y;
        std::optional<uint32_t> pixel;
        uint32_t want;
        PickCursor cursor;
    } cases[] = {
        {100, 100, 0xFFFFFF, 0xFFFFFF, PickCursor::Cross},
        {20, 54, 0x000000, 0x000000, PickCursor::Cross},   // the top-left corner is inside
        {369, 229, 0x123456, 0x123456, PickCursor::Cross}, // so is the last pixel
        {370, 100, 0xFFFFFF, old, PickCursor::Arrow},      // the right edge is not
        {100, 230, 0xFFFFFF, old, PickCursor::Arrow},
        {19, 100, 0xFFFFFF, old, PickCursor::Arrow},
        {5, 5, 0xFFFFFF, old, PickCursor::Arrow},
        {100, 100, std::nullopt, old, PickCursor::Cross}, // the picture could not be read there
        {100, 100, 0xFFFFFFFF, old, PickCursor::Cross},   // nor a colour
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColourAfterPress(palette, c.x, c.y, c.pixel, old), c.want) << c.x << "," << c.y;
        EXPECT_EQ(CursorAt(palette, c.x, c.y), c.cursor) << c.x << "," << c.y;
    }
}

TEST(PalettePick, AnEmptyPaletteTakesNothing) {
    EXPECT_EQ(ColourAfterPress(PixelRect{}, 0, 0, 0xFFFFFF, 7), 7u);
    EXPECT_EQ(CursorAt(PixelRect{}, 0, 0), PickCursor::Arrow);
}

TEST(PalettePick, TheKeyboardsPointMovesAndStaysInThePalette) {
    const PixelRect palette{10, 20, 110, 70};
    const PalettePoint start{10, 20};
    EXPECT_EQ(MovedPalettePoint(palette, start, PaletteMove::Right, false), (PalettePoint{11, 20}));
    EXPECT_EQ(MovedPalettePoint(palette, start, PaletteMove::Down, true), (PalettePoint{10, 28}));
    EXPECT_EQ(MovedPalettePoint(palette, start, PaletteMove::Left, false), start) << "at the edge";
    EXPECT_EQ(MovedPalettePoint(palette, start, PaletteMove::Up, true), start);
    EXPECT_EQ(MovedPalettePoint(palette, start, PaletteMove::RowEnd, false),
              (PalettePoint{109, 20}));
    EXPECT_EQ(MovedPalettePoint(palette, {50, 40}, PaletteMove::Bottom, false),
              (PalettePoint{50, 69}));
    EXPECT_EQ(MovedPalettePoint(palette, {50, 40}, PaletteMove::Top, false),
              (PalettePoint{50, 20}));
    EXPECT_EQ(MovedPalettePoint(palette, {50, 40}, PaletteMove::RowStart, false),
              (PalettePoint{10, 40}));
    EXPECT_EQ(MovedPalettePoint(palette, {105, 66}, PaletteMove::Right, true),
              (PalettePoint{109, 66}));
    // A point from outside (a skin that moved the palette) comes in.
    EXPECT_EQ(MovedPalettePoint(palette, {0, 0}, PaletteMove::Right, false),
              (PalettePoint{10, 20}));
    EXPECT_EQ(MovedPalettePoint(PixelRect{}, {3, 4}, PaletteMove::Right, false),
              (PalettePoint{3, 4}));
}

} // namespace
} // namespace mervik::ui
