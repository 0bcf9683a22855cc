#include "ui/core/TipPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace mervik::ui {
namespace {

const PixelRect kScreen{0, 0, 1920, 1040};
const PixelRect kButton{100, 200, 300, 232};

// A tip of 180 x 40, 4 pixels from the control.
std::optional<TipPoint> Place(const PixelRect& control, const std::vector<PixelRect>& covered,
                              const PixelRect& work = kScreen) {
    return PlaceTip({control, 180, 40, covered, work, 4});
}

PixelRect At(const TipPoint& p, int width = 180, int height = 40) {
    return {p.x, p.y, p.x + width, p.y + height};
}

TEST(TipPlacement, BelowTheControlWhenNothingIsThere) {
    EXPECT_EQ(Place(kButton, {}), (TipPoint{100, 236}));
}

TEST(TipPlacement, AMenuOpenUnderTheButtonSendsTheTipAbove) {
    const PixelRect menu{100, 232, 420, 900};
    const auto at = Place(kButton, {menu});
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, (TipPoint{100, 156}));
    EXPECT_FALSE(Overlaps(At(*at), menu));
}

TEST(TipPlacement, ATabAtTheTopOfTheScreenWithItsMenuBelowTakesTheSide) {
    const PixelRect tab{0, 0, 200, 64};
    const PixelRect menu{0, 64, 200, 700};
    const auto at = Place(tab, {menu});
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, (TipPoint{204, 0}));
}

TEST(TipPlacement, StaysWithinTheWorkAreaAlongItsSide) {
    // A button at the right edge: the tip below ends at the edge.
    const auto right = Place({1850, 200, 1910, 232}, {});
    ASSERT_TRUE(right);
    EXPECT_EQ(*right, (TipPoint{1920 - 180, 236}));
    // A button just above the task bar: the tip goes above it.
    const PixelRect work{0, 0, 1920, 1000};
    const auto above = Place({100, 970, 300, 1000}, {}, work);
    ASSERT_TRUE(above);
    EXPECT_EQ(*above, (TipPoint{100, 926}));
}

TEST(TipPlacement, TheFieldBeingTypedIntoStaysFree) {
    // A name field open under the button: above; with the room above taken
    // too, to the right.
    const PixelRect field{80, 236, 300, 270};
    EXPECT_EQ(Place(kButton, {field}), (TipPoint{100, 156}));
    const PixelRect heading{0, 150, 400, 199};
    EXPECT_EQ(Place(kButton, {field, heading}), (TipPoint{304, 200}));
}

TEST(TipPlacement, NoRoomOnAnySideShowsNoTip) {
    const PixelRect everything{0, 0, 1920, 1040};
    EXPECT_FALSE(Place(kButton, {everything}));
    // A control as large as the work area leaves no side.
    EXPECT_FALSE(Place(kScreen, {}));
}

TEST(TipPlacement, NeverOverTheControlOrWhatIsCovered) {
    // Controls and menus all over a small screen: wherever a tip goes, it
    // covers neither, and lies on the screen.
    const PixelRect work{0, 0, 800, 600};
    for (int x = 0; x < 800; x += 37)
        for (int y = 0; y < 600; y += 29) {
            const PixelRect control{x, y, x + 90, y + 26};
            const PixelRect menu{x, y + 26, x + 160, y + 26 + 340};
            const auto at = Place(control, {menu}, work);
            if (!at)
                continue;
            const PixelRect tip = At(*at);
            EXPECT_FALSE(Overlaps(tip, control)) << x << "," << y;
            EXPECT_FALSE(Overlaps(tip, menu)) << x << "," << y;
            EXPECT_TRUE(tip.left >= 0 && tip.top >= 0 && tip.right <= 800 && tip.bottom <= 600);
        }
}

TEST(TipPlacement, RectanglesThatOnlyTouchDoNotOverlap) {
    EXPECT_FALSE(Overlaps({0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_TRUE(Overlaps({0, 0, 10, 10}, {9, 9, 20, 20}));
    EXPECT_FALSE(Overlaps({0, 0, 0, 10}, {0, 0, 10, 10})) << "an empty rectangle covers nothing";
}

} // namespace
} // namespace mervik::ui
