#include "ui/core/MaskRuns.h"

#include <algorithm>

namespace mervik::ui {
namespace {

bool IsWhite(uint32_t pixel) {
    return (pixel & 0x00FFFFFFu) == 0x00FFFFFFu;
}

void AppendRowRuns(const uint32_t* row, int width, int y, std::vector<PixelRect>& runs) {
    int x = 0;
    while (x < width) {
        while (x < width && IsWhite(row[x]))
            ++x;
        int start = x;
        while (x < width && !IsWhite(row[x]))
            ++x;
        if (x > start)
            runs.push_back({start, y, x, y + 1});
    }
}

} // namespace

std::vector<PixelRect> ExtractMaskRuns(std::span<const uint32_t> pixels, int width, int height) {
    std::vector<PixelRect> runs;
    if (width <= 0 || height <= 0 ||
        pixels.size() / static_cast<size_t>(width) < static_cast<size_t>(height))
        return runs;
    for (int y = 0; y < height; ++y)
        AppendRowRuns(pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width), width, y,
                      runs);
    return runs;
}

std::vector<std::span<const PixelRect>> BatchRuns(std::span<const PixelRect> runs) {
    std::vector<std::span<const PixelRect>> batches;
    for (size_t at = 0; at < runs.size(); at += kRegionBatchRects)
        batches.push_back(runs.subspan(at, std::min(kRegionBatchRects, runs.size() - at)));
    return batches;
}

} // namespace mervik::ui
