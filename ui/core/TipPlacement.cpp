#include "ui/core/TipPlacement.h"

#include <algorithm>

namespace mervik::ui {

namespace {

// `start` moved so that [start, start + length) lies within [low, high) when
// it can; the low end wins when it cannot.
int Within(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

bool Overlaps(const PixelRect& a, const PixelRect& b) {
    return !a.IsEmpty() && !b.IsEmpty() && a.left < b.right && b.left < a.right &&
           a.top < b.bottom && b.top < a.bottom;
}

std::optional<TipPoint> PlaceTip(const TipRequest& r) {
    const PixelRect& c = r.control;
    const PixelRect& work = r.workArea;
    const int alongX = Within(c.left, r.width, work.left, work.right);
    const int alongY = Within(c.top, r.height, work.top, work.bottom);
    const TipPoint sides[] = {
        {alongX, c.bottom + r.gap},         // below
        {alongX, c.top - r.gap - r.height}, // above
        {c.right + r.gap, alongY},          // right
        {c.left - r.gap - r.width, alongY}, // left
    };
    for (const TipPoint& at : sides) {
        const PixelRect tip{at.x, at.y, at.x + r.width, at.y + r.height};
        const bool inside = tip.left >= work.left && tip.top >= work.top &&
                            tip.right <= work.right && tip.bottom <= work.bottom;
        if (!inside || Overlaps(tip, c))
            continue;
        if (std::none_of(r.covered.begin(), r.covered.end(),
                         [&](const PixelRect& other) { return Overlaps(tip, other); }))
            return at;
    }
    return std::nullopt;
}

} // namespace mervik::ui
