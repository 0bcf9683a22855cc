#include "ui/core/DisplayScale.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <vector>

namespace mervik::ui {

int ScalePercentForDpi(int dpi) {
    if (dpi <= 0)
        return kBaseScalePercent;
    return static_cast<int>((static_cast<long long>(dpi) * kBaseScalePercent + kBaseDpi / 2) /
                            kBaseDpi);
}

int ScaleLength(int length, int percent) {
    const long long scaled = static_cast<long long>(std::llabs(length)) * percent;
    const long long rounded = (scaled + 50) / 100;
    return static_cast<int>(length < 0 ? -rounded : rounded);
}

PixelRect ScaleRect(const PixelRect& rect, int percent) {
    return {ScaleLength(rect.left, percent), ScaleLength(rect.top, percent),
            ScaleLength(rect.right, percent), ScaleLength(rect.bottom, percent)};
}

int ScaleFontHeight(int height, int percent) {
    if (height == 0)
        return 0;
    const int scaled = ScaleLength(height, percent);
    if (scaled == 0)
        return height < 0 ? -1 : 1;
    return scaled;
}

int CueThickness(int percent) {
    return std::max(1, ScaleLength(1, percent));
}

std::optional<int> ParseScaleFolder(std::string_view name) {
    int percent = 0;
    const char* end = name.data() + name.size();
    auto [at, error] = std::from_chars(name.data(), end, percent);
    if (name.empty() || name.front() == '0' || error != std::errc() || at != end ||
        percent < kMinScalePercent || percent > kMaxScalePercent)
        return std::nullopt;
    return percent;
}

PixelRect RescaledWindowRect(const PixelRect& suggested, int width, int height) {
    return {suggested.left, suggested.top, suggested.left + width, suggested.top + height};
}

int ChooseSkinScale(int dpi, std::span<const int> available,
                    const std::function<bool(int percent)>& fits) {
    std::vector<int> scales{kBaseScalePercent};
    for (int percent : available)
        if (percent >= kMinScalePercent && percent <= kMaxScalePercent)
            scales.push_back(percent);
    std::sort(scales.begin(), scales.end());
    scales.erase(std::unique(scales.begin(), scales.end()), scales.end());

    const int wanted = ScalePercentForDpi(dpi);
    auto nearest = scales.begin();
    for (auto it = scales.begin(); it != scales.end(); ++it)
        if (std::abs(*it - wanted) < std::abs(*nearest - wanted))
            nearest = it;
    while (nearest != scales.begin() && fits && !fits(*nearest))
        --nearest;
    return *nearest;
}

} // namespace mervik::ui
