#include "ui/core/SliderMath.h"

#include <algorithm>
#include <cmath>

namespace mervik::ui {
namespace {

int Quantise(const SliderRange& range, double value) {
    double q = range.snap ? std::round(value) : std::trunc(value);
    double lo = std::min(range.minimum, range.maximum);
    double hi = std::max(range.minimum, range.maximum);
    return static_cast<int>(std::clamp(q, lo, hi));
}

// Position `offset` of `span` pixels mapped onto the range.
int ValueAt(const SliderRange& range, int offset, int span) {
    if (span <= 0)
        return range.minimum;
    double value =
        static_cast<double>(offset) * (range.maximum - range.minimum) / span + range.minimum;
    return Quantise(range, value);
}

} // namespace

// The first pixel of the track is the minimum and its last one (right - 1)
// the maximum, so both ends can be reached with a click.
int TrackClickValue(const SliderRange& range, int x, int left, int right) {
    return ValueAt(range, x - left, right - left - 1);
}

int DraggedThumbLeft(int thumbLeft, int dx, int trackWidth, int thumbWidth) {
    return std::clamp(thumbLeft + dx, 0, std::max(0, trackWidth - thumbWidth));
}

int ThumbValue(const SliderRange& range, int thumbLeft, int trackWidth, int thumbWidth) {
    return ValueAt(range, thumbLeft, trackWidth - thumbWidth);
}

int ThumbLeftForValue(const SliderRange& range, int value, int trackWidth, int thumbWidth) {
    int travel = std::max(0, trackWidth - thumbWidth);
    int steps = range.maximum - range.minimum;
    if (steps == 0)
        return 0;
    long long left = static_cast<long long>(travel) * (value - range.minimum) / steps;
    return std::clamp(static_cast<int>(left), 0, travel);
}

int KeyedSliderValue(const SliderRange& range, int value, SliderKey key) {
    const int low = std::min(range.minimum, range.maximum);
    const int high = std::max(range.minimum, range.maximum);
    const int page = std::max(1, (high - low) / 10);
    switch (key) {
    case SliderKey::StepDown:
        value -= 1;
        break;
    case SliderKey::StepUp:
        value += 1;
        break;
    case SliderKey::PageDown:
        value -= page;
        break;
    case SliderKey::PageUp:
        value += page;
        break;
    case SliderKey::Minimum:
        return low;
    case SliderKey::Maximum:
        return high;
    }
    return std::clamp(value, low, high);
}

} // namespace mervik::ui
