#include "ui/win32/skin/MaskRegion.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "ui/core/MaskRuns.h"

namespace mervik::ui {
namespace {

Region RegionFromRects(std::span<const PixelRect> rects) {
    std::vector<char> block(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(block.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    for (size_t i = 0; i < rects.size(); ++i) {
        out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        bounds = {std::min(bounds.left, out[i].left), std::min(bounds.top, out[i].top),
                  std::max(bounds.right, out[i].right), std::max(bounds.bottom, out[i].bottom)};
    }
    data->rdh.rcBound = bounds;
    return Region(ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()), data));
}

} // namespace

Region RegionFromMask(HBITMAP mask) {
    SIZE size{};
    const std::vector<uint32_t> pixels = ReadPixels(mask, size);
    if (pixels.empty())
        return {};
    std::vector<PixelRect> runs = ExtractMaskRuns(pixels, size.cx, size.cy);
    Region result(CreateRectRgn(0, 0, 0, 0));
    for (auto batch : BatchRuns(runs)) {
        Region part = RegionFromRects(batch);
        if (part)
            CombineRgn(result.get(), result.get(), part.get(), RGN_OR);
    }
    return result;
}

void ApplyWindowRegion(HWND hwnd, Region region) {
    if (region && SetWindowRgn(hwnd, region.get(), TRUE))
        region.release();
}

} // namespace mervik::ui
