#pragma once
// Keyboard order of a window's controls, decided from where they sit: rows
// from top to bottom, each row from left to right, as the window is read.
#include <cstddef>
#include <vector>

#include "ui/core/ButtonPos.h"

namespace mervik::ui {

// The indexes of `places` in reading order. Two controls share a row when
// their vertical spans overlap by at least half of the smaller one, so a
// caption beside a taller list still reads before what follows it.
std::vector<size_t> ReadingOrder(const std::vector<PixelRect>& places);

// The control after (or before) `current` in `places`' reading order,
// wrapping at either end; the first (or last) when `current` is none of
// them. -1 when there are no places.
int NextInReadingOrder(const std::vector<PixelRect>& places, int current, bool backwards);

// Within a group of controls (a row of choices): the one the arrow keys
// move to from `current`. Left and Up go back, Right and Down forward in
// reading order, wrapping, as in a group of option buttons.
enum class ArrowKey { Left, Right, Up, Down };
int ArrowTarget(const std::vector<PixelRect>& group, int current, ArrowKey key);

} // namespace mervik::ui
