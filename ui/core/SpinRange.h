#pragma once
// The numbers of a spin field: a range, the arrows' steps, and what a typed
// text settles to.
#include <string_view>

namespace mervik::ui {

struct SpinRange {
    int minimum = 0;
    int maximum = 10;

    int Clamp(long long value) const;
    // Characters a typed number may take: the longest end of the range, and
    // one more for the sign of a range that goes below zero.
    int TextLimit() const;
    // The number a typed text settles to: parsed as far as it is a number
    // (nothing readable gives `current`), then held within the range.
    int Settle(std::string_view text, int current) const;
};

} // namespace mervik::ui
