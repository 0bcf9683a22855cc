#pragma once
// How Option follows the display's scaling: which of a skin's scaled
// variants a window takes at a DPI, and how lengths, rectangles and font
// sizes drawn over a skin grow with it. The skin generator scales its
// rectangles by the same rule (ScaleLength on both edges), so what the
// program draws over a picture lands where the picture expects it.
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "ui/core/ButtonPos.h"

namespace mervik::ui {

// The DPI a skin without variants is drawn for: its own size.
inline constexpr int kBaseDpi = 96;
inline constexpr int kBaseScalePercent = 100;
// Variant folders are named by their percent, within these bounds.
inline constexpr int kMinScalePercent = 100;
inline constexpr int kMaxScalePercent = 400;

// The display's scale at `dpi`, in whole percent (96 is 100, 144 is 150); a
// DPI of 0 or less (a system that does not say) is 100.
int ScalePercentForDpi(int dpi);

// `length` at `percent`, rounded to the nearest pixel, halves away from zero.
int ScaleLength(int length, int percent);

// A rectangle at `percent`: each edge is scaled, so rectangles that touch at
// 100 % still touch, and the width is what lies between the scaled edges.
PixelRect ScaleRect(const PixelRect& rect, int percent);

// A font height at `percent`. Negative heights (character heights, as
// CreateFont takes them) stay negative; 0 (the font's default) stays 0; any
// other height stays at least one pixel.
int ScaleFontHeight(int height, int percent);

// How thick the keyboard's cues are at `percent` (the focus ring, the access
// key's underline): one pixel at the skin's own size, grown as every length.
int CueThickness(int percent);

// The percent a variant folder's name stands for ("150"), or nothing for
// any other name.
std::optional<int> ParseScaleFolder(std::string_view name);

// Which variant a window takes at `dpi`: of the percents `available` (the
// skin's own size, 100, always counts), the nearest to the display's scale,
// the smaller on a tie; then, while the window would not fit on its screen
// at that size (`fits` says), the next smaller one, down to the smallest.
int ChooseSkinScale(int dpi, std::span<const int> available,
                    const std::function<bool(int percent)>& fits);

// Where a window goes when its monitor's DPI changes (WM_DPICHANGED): to
// the rectangle the system suggests when the window takes that size,
// otherwise at the suggested rectangle's corner with the size of the skin
// variant it took (which may be a smaller one, or its own size).
PixelRect RescaledWindowRect(const PixelRect& suggested, int width, int height);

} // namespace mervik::ui
