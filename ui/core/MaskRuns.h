#pragma once
// The shape of a skinned window: every run of non-white pixels of its mask
// image, one pixel high.
#include <cstdint>
#include <span>
#include <vector>

#include "ui/core/ButtonPos.h"

namespace mervik::ui {

// A region is built from at most this many rectangles at a time, so the data
// block handed to the system stays bounded however complex the mask.
constexpr size_t kRegionBatchRects = 2000;

// `pixels` is a top-down 32-bit image (B, G, R, X per pixel), `width` pixels a
// row. Only exact white (R, G and B 255) is outside; the fourth byte is ignored.
std::vector<PixelRect> ExtractMaskRuns(std::span<const uint32_t> pixels, int width, int height);

// The runs cut into consecutive batches of at most kRegionBatchRects.
std::vector<std::span<const PixelRect>> BatchRuns(std::span<const PixelRect> runs);

} // namespace mervik::ui
