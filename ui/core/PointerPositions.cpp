#include "ui/core/PointerPositions.h"

#include <algorithm>

namespace mervik::ui {

namespace {
constexpr int kSpeeds[kSpeedPositions] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr int kDoubleClickSlowest = 900;
constexpr int kMiddlePosition = 6;
} // namespace

int SpeedOfPosition(int position) {
    return kSpeeds[std::clamp(position, 1, kSpeedPositions) - 1];
}

int PositionOfSpeed(int value) {
    // 0 and 1 share the first position; 9 and 10 are the middle like any
    // value outside the table.
    if (value == 0 || value == 1)
        return 1;
    if (value == 2)
        return 2;
    if (value >= 3 && value <= 8)
        return (value + 1) / 2 + 1;
    if (value >= 11 && value <= 20)
        return (value + 1) / 2 + 1;
    return kMiddlePosition;
}

int DoubleClickTimeOfPosition(int position) {
    return kDoubleClickSlowest - std::clamp(position, 0, kDoubleClickSliderMax);
}

int PositionOfDoubleClickTime(int milliseconds) {
    return std::clamp(kDoubleClickSlowest - milliseconds, 0, kDoubleClickSliderMax);
}

} // namespace mervik::ui
