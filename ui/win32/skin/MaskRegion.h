#pragma once
// A window shape from a mask bitmap: everything but exact white is inside.
#include "win32/Gdi.h"

namespace mervik::ui {

// The region of `mask`'s non-white pixels; an empty (null) region when the
// bitmap cannot be read, in which case the window keeps its rectangle.
Region RegionFromMask(HBITMAP mask);

// Sets `region` as the window's shape; the window owns it afterwards.
void ApplyWindowRegion(HWND hwnd, Region region);

} // namespace mervik::ui
