#include <gtest/gtest.h>

#include "osd/core/NoticePlacement.h"

namespace mervik::osd {
namespace {

// A 1024 x 768 screen with a 40-pixel task bar at the bottom.
const ScreenRect kWork{0, 0, 1024, 728};
constexpr int kW = 200;
constexpr int kH = 80;

TEST(NoticePlacement, SharesOfTheWorkAreaInsideTheMargin) {
    // The default: centred, just above the task bar.
    EXPECT_EQ(PlaceNotice(kW, kH, kWork, 500, 1000),
              (ScreenRect{412, 728 - kNoticeMargin - kH, 612, 728 - kNoticeMargin}));
    EXPECT_EQ(PlaceNotice(kW, kH, kWork, 0, 0),
              (ScreenRect{kNoticeMargin, kNoticeMargin, kNoticeMargin + kW, kNoticeMargin + kH}));
    EXPECT_EQ(PlaceNotice(kW, kH, kWork, 1000, 500).right, 1024 - kNoticeMargin);
    // Beyond the scale, the nearer edge.
    EXPECT_EQ(PlaceNotice(kW, kH, kWork, -30000, 30000), PlaceNotice(kW, kH, kWork, 0, 1000));

    // A task bar at the top moves the work area, and the notice with it.
    const ScreenRect topBar{0, 30, 1024, 768};
    EXPECT_EQ(PlaceNotice(kW, kH, topBar, 0, 0).top, 30 + kNoticeMargin);
    EXPECT_EQ(PlaceNotice(kW, kH, topBar, 0, 1000).bottom, 768 - kNoticeMargin);
}

TEST(NoticePlacement, StaysInsideTheWorkAreaWhateverTheSize) {
    for (int16_t x : {0, 250, 500, 999, 1000})
        for (int16_t y : {0, 333, 1000}) {
            const ScreenRect r = PlaceNotice(kW, kH, kWork, x, y);
            EXPECT_GE(r.left, kWork.left + kNoticeMargin);
            EXPECT_LE(r.right, kWork.right - kNoticeMargin);
            EXPECT_GE(r.top, kWork.top + kNoticeMargin);
            EXPECT_LE(r.bottom, kWork.bottom - kNoticeMargin);
            EXPECT_EQ(r.Width(), kW);
            EXPECT_EQ(r.Height(), kH);
        }
    // Too large for the room inside the margins: centred on the work area.
    const ScreenRect wide = PlaceNotice(1000, kH, kWork, 1000, 0);
    EXPECT_EQ(wide.left, 12);
    EXPECT_EQ(wide.right, 1012);
}

} // namespace
} // namespace mervik::osd
