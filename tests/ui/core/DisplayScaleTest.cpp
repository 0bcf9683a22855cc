#include "ui/core/DisplayScale.h"

#include <gtest/gtest.h>

#include <vector>

namespace mervik::ui {
namespace {

TEST(DisplayScale, DpiGivesTheDisplaysPercent) {
    const std::pair<int, int> cases[] = {{96, 100},  {120, 125}, {144, 150}, {168, 175}, {192, 200},
                                         {240, 250}, {110, 115}, {0, 100},   {-96, 100}};
    for (auto [dpi, percent] : cases)
        EXPECT_EQ(ScalePercentForDpi(dpi), percent) << dpi;
}

// The generator rounds the same way; halves go away from zero (35 at 150 %
// is 52.5: the colour swatch the program fills and the strip the skin draws
// beside it must meet at 53).
TEST(DisplayScale, LengthsRoundHalvesAwayFromZero) {
    const std::tuple<int, int, int> cases[] = {
        {35, 150, 53},    {7, 150, 11},     {3, 125, 4}, {1, 125, 1},   {2, 125, 3}, {-7, 150, -11},
        {940, 175, 1645}, {620, 175, 1085}, {0, 200, 0}, {14, 100, 14}, {5, 175, 9}};
    for (auto [length, percent, scaled] : cases)
        EXPECT_EQ(ScaleLength(length, percent), scaled) << length << " at " << percent;
}

TEST(DisplayScale, RectanglesScaleByTheirEdgesSoNeighboursStillTouch) {
    // Three buttons side by side at 100 %, each 5 wide: at 125 % their
    // widths differ (6, 7, 6) but no gap or overlap opens between them.
    const PixelRect a{1, 0, 6, 9}, b{6, 0, 11, 9}, c{11, 0, 16, 9};
    PixelRect sa = ScaleRect(a, 125), sb = ScaleRect(b, 125), sc = ScaleRect(c, 125);
    EXPECT_EQ(sa, (PixelRect{1, 0, 8, 11}));
    EXPECT_EQ(sa.right, sb.left);
    EXPECT_EQ(sb.right, sc.left);
    EXPECT_EQ(sb, (PixelRect{8, 0, 14, 11}));
    EXPECT_EQ(ScaleRect(PixelRect{16, 100, 924, 562}, 200), (PixelRect{32, 200, 1848, 1124}));
}

TEST(DisplayScale, FontHeightsKeepTheirMeaningAndNeverVanish) {
    EXPECT_EQ(ScaleFontHeight(15, 150), 23);
    EXPECT_EQ(ScaleFontHeight(-12, 175), -21);
    EXPECT_EQ(ScaleFontHeight(0, 200), 0); // the font's own height
    EXPECT_EQ(ScaleFontHeight(1, 40), 1);  // never 0, which means "default"
    EXPECT_EQ(ScaleFontHeight(-1, 40), -1);
    EXPECT_EQ(ScaleFontHeight(14, 100), 14);
}

// The focus ring and the access key's underline: a pixel at the skin's own
// size, grown and rounded as the lengths of the skin are.
TEST(DisplayScale, KeyboardCuesGrowWithTheScale) {
    const std::pair<int, int> cases[] = {{100, 1}, {125, 1}, {149, 1}, {150, 2},
                                         {175, 2}, {200, 2}, {250, 3}, {400, 4}};
    for (auto [percent, thickness] : cases)
        EXPECT_EQ(CueThickness(percent), thickness) << percent;
    EXPECT_EQ(CueThickness(40), 1) << "never thinner than a pixel";
}

TEST(DisplayScale, VariantFoldersAreNamedByTheirPercent) {
    EXPECT_EQ(ParseScaleFolder("150"), 150);
    EXPECT_EQ(ParseScaleFolder("100"), 100);
    EXPECT_EQ(ParseScaleFolder("400"), 400);
    for (const char* other : {"", "0150", "99", "401", "150a", "-150", "1e2", "+150", " 150"})
        EXPECT_EQ(ParseScaleFolder(other), std::nullopt) << other;
}

TEST(DisplayScale, ChoosesTheNearestVariantTheSmallerOnATie) {
    const std::vector<int> generated{125, 150, 175, 200};
    const auto always = [](int) { return true; };
    const std::pair<int, int> cases[] = {{96, 100},  {120, 125}, {144, 150}, {168, 175},
                                         {192, 200}, {288, 200}, {72, 100},  {131, 125},
                                         {132, 150}, {107, 100}, {108, 125}, {0, 100}};
    for (auto [dpi, percent] : cases)
        EXPECT_EQ(ChooseSkinScale(dpi, generated, always), percent) << dpi;
    // 125 % is as near to 100 as to 150: the smaller.
    EXPECT_EQ(ChooseSkinScale(120, std::vector<int>{150}, always), 100);
}

TEST(DisplayScale, ASkinWithoutVariantsIsDrawnAtItsOwnSize) {
    const auto always = [](int) { return true; };
    EXPECT_EQ(ChooseSkinScale(192, {}, always), 100);
    // Folders outside the bounds are not variants.
    EXPECT_EQ(ChooseSkinScale(192, std::vector<int>{50, 900}, always), 100);
    // Only 150: the nearest to 200 %.
    EXPECT_EQ(ChooseSkinScale(192, std::vector<int>{150}, always), 150);
}

TEST(DisplayScale, AWindowThatWouldNotFitTakesTheNextSmallerVariant) {
    const std::vector<int> generated{125, 150, 175, 200};
    // A 1920 x 1080 screen at 175 %: the 940 x 620 window at 175 % is 1085
    // high and does not fit the work area; at 150 % it does.
    const auto fits1040 = [](int percent) { return ScaleLength(620, percent) <= 1040; };
    EXPECT_EQ(ChooseSkinScale(168, generated, fits1040), 150);
    EXPECT_EQ(ChooseSkinScale(192, generated, fits1040), 150);
    EXPECT_EQ(ChooseSkinScale(144, generated, fits1040), 150);
    // Nothing fits: the skin's own size, the smallest there is.
    EXPECT_EQ(ChooseSkinScale(192, generated, [](int) { return false; }), 100);
    // Asked only about the variants it would take.
    std::vector<int> asked;
    ChooseSkinScale(192, generated, [&](int percent) {
        asked.push_back(percent);
        return percent <= 175;
    });
    EXPECT_EQ(asked, (std::vector<int>{200, 175}));
}

// WM_DPICHANGED: Windows suggests a rectangle for the window at the new DPI;
// a window at the variant that size asks for takes it as it is, one at
// another variant (a smaller one that fits, or its own size) keeps the
// suggested corner.
TEST(DisplayScale, AWindowGoesWhereTheNewDpiSuggests) {
    const PixelRect suggested{100, 50, 100 + 1410, 50 + 930};
    EXPECT_EQ(RescaledWindowRect(suggested, 1410, 930), suggested);
    EXPECT_EQ(RescaledWindowRect(suggested, 1175, 775), (PixelRect{100, 50, 1275, 825}));
    EXPECT_EQ(RescaledWindowRect(PixelRect{-1880, 0, 0, 1240}, 940, 620),
              (PixelRect{-1880, 0, -940, 620}))
        << "a monitor left of the main one";
}

} // namespace
} // namespace mervik::ui
