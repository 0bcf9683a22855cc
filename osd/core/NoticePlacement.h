#pragma once
// Where a notice of a given size stands in the screen's work area (the screen
// less the task bar), for the position the display's record gives.
#include <cstdint>

namespace mervik::osd {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ScreenRect&) const = default;
};

// The space kept between a notice and the work area's edges.
constexpr int kNoticeMargin = 24;

// x and y are thousandths of the work area (0 left or top, 1000 right or
// bottom; values beyond are taken as the nearer edge). The notice stands at
// that share of the free room along each axis, inside the margin: 0 flush
// with the left margin, 500 centred, 1000 flush with the right one. A notice
// larger than the room inside the margins is centred in the work area; so a
// notice never covers the task bar unless it is larger than the work area.
ScreenRect PlaceNotice(int width, int height, const ScreenRect& workArea, int16_t x, int16_t y);

} // namespace mervik::osd
