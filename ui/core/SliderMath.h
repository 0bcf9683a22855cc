#pragma once
// The numbers behind the slider pair: a click on the track, a dragged thumb,
// and where a snapped thumb comes to rest.

namespace mervik::ui {

struct SliderRange {
    int minimum = 0;
    int maximum = 10;
    bool snap = false; // round to the nearest step instead of truncating
};

// Value for a click at `x` on a track spanning [left, right) in the same
// coordinates: its first pixel gives the minimum, its last the maximum. A
// degenerate track gives the minimum.
int TrackClickValue(const SliderRange& range, int x, int left, int right);

// Thumb's new left edge after the pointer moved `dx` from the press point,
// kept inside the track.
int DraggedThumbLeft(int thumbLeft, int dx, int trackWidth, int thumbWidth);

// Value for a thumb whose left edge is at `thumbLeft`.
int ThumbValue(const SliderRange& range, int thumbLeft, int trackWidth, int thumbWidth);

// Left edge that puts the thumb exactly on `value`.
int ThumbLeftForValue(const SliderRange& range, int value, int trackWidth, int thumbWidth);

// The keys a focused slider takes: a step either way, a page (a tenth of
// the range, at least a step) either way, or an end.
enum class SliderKey { StepDown, StepUp, PageDown, PageUp, Minimum, Maximum };
// The value `key` moves `value` to, within the range.
int KeyedSliderValue(const SliderRange& range, int value, SliderKey key);

} // namespace mervik::ui
