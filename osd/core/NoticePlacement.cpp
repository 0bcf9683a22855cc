#include "osd/core/NoticePlacement.h"

#include <algorithm>

#include "settings/OsdSettings.h"

namespace mervik::osd {

namespace {

// The start of a span of `size` within [low, high) for the share `thousandths`.
int PlaceAlong(int size, int low, int high, int16_t thousandths) {
    const int share = std::clamp<int>(thousandths, 0, kOsdPositionScale);
    const int free = (high - low) - 2 * kNoticeMargin - size;
    if (free < 0)
        return low + ((high - low) - size) / 2;
    return low + kNoticeMargin +
           static_cast<int>(static_cast<long long>(free) * share / kOsdPositionScale);
}

} // namespace

ScreenRect PlaceNotice(int width, int height, const ScreenRect& workArea, int16_t x, int16_t y) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    const int left = PlaceAlong(width, workArea.left, workArea.right, x);
    const int top = PlaceAlong(height, workArea.top, workArea.bottom, y);
    return {left, top, left + width, top + height};
}

} // namespace mervik::osd
