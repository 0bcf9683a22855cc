#include "ui/core/SliderMath.h"

#include <gtest/gtest.h>

namespace mervik::ui {
namespace {

TEST(SliderMath, TrackEndsGiveMinimumAndMaximum) {
    SliderRange range{1, 11, false};
    EXPECT_EQ(TrackClickValue(range, 100, 100, 200), 1);
    EXPECT_EQ(TrackClickValue(range, 199, 100, 200), 11) << "the track's last pixel";
    EXPECT_EQ(TrackClickValue(range, 198, 100, 200), 10);
    // Clicks just outside (the release may land past the edge) stay in range.
    EXPECT_EQ(TrackClickValue(range, 90, 100, 200), 1);
    EXPECT_EQ(TrackClickValue(range, 230, 100, 200), 11);
}

TEST(SliderMath, SnapRoundsAndOtherwiseTruncates) {
    SliderRange truncating{0, 10, false};
    SliderRange snapping{0, 10, true};
    // 69 of 100 pixels is 6.9.
    EXPECT_EQ(TrackClickValue(truncating, 69, 0, 100), 6);
    EXPECT_EQ(TrackClickValue(snapping, 69, 0, 100), 7);
    EXPECT_EQ(TrackClickValue(snapping, 64, 0, 100), 6);
}

TEST(SliderMath, DegenerateGeometryGivesTheMinimum) {
    SliderRange range{3, 8, true};
    EXPECT_EQ(TrackClickValue(range, 5, 5, 5), 3);
    EXPECT_EQ(ThumbValue(range, 0, 20, 20), 3);
    EXPECT_EQ(ThumbValue(range, 0, 10, 20), 3);
    EXPECT_EQ(ThumbLeftForValue({4, 4, true}, 4, 100, 10), 0);
}

TEST(SliderMath, DraggedThumbStaysOnTheTrack) {
    EXPECT_EQ(DraggedThumbLeft(10, 25, 100, 20), 35);
    EXPECT_EQ(DraggedThumbLeft(10, -25, 100, 20), 0);
    EXPECT_EQ(DraggedThumbLeft(70, 25, 100, 20), 80);
    EXPECT_EQ(DraggedThumbLeft(0, 5, 10, 20), 0);
}

// Wherever a snapped thumb is dropped, it comes to rest exactly on the step
// it reported, and that position reports the same value again.
TEST(SliderMath, SnappedThumbRestsOnItsStep) {
    SliderRange range{0, 7, true};
    const int track = 157, thumb = 12;
    for (int left = 0; left <= track - thumb; ++left) {
        int value = ThumbValue(range, left, track, thumb);
        int rest = ThumbLeftForValue(range, value, track, thumb);
        EXPECT_EQ(ThumbValue(range, rest, track, thumb), value) << "left " << left;
    }
    EXPECT_EQ(ThumbLeftForValue(range, 7, track, thumb), track - thumb);
    EXPECT_EQ(ThumbLeftForValue(range, 0, track, thumb), 0);
}

} // namespace
} // namespace mervik::ui
