#pragma once
// Where a control's tooltip goes. A tip never covers what the user is
// working with: the control itself (a page's tab, a button), a menu that is
// open (the one the button opened), the field being typed into. So it goes
// beside the control, not at the pointer: below it, else above, else to its
// right, else to its left, moved along that side to stay within the work
// area; where none of those is free it is not shown at all.
#include <optional>
#include <span>

#include "ui/core/ButtonPos.h"

namespace mervik::ui {

struct TipPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TipPoint&) const = default;
};

struct TipRequest {
    PixelRect control;                  // the control the tip is about, on the screen
    int width = 0, height = 0;          // the tip's size
    std::span<const PixelRect> covered; // what the tip must leave free besides the control
    PixelRect workArea;                 // of the control's monitor
    int gap = 0;                        // between the control and the tip
};

// The tip's top left corner, or nothing when no side of the control has
// room for it.
std::optional<TipPoint> PlaceTip(const TipRequest& request);

// Whether two rectangles share a pixel.
bool Overlaps(const PixelRect& a, const PixelRect& b);

} // namespace mervik::ui
