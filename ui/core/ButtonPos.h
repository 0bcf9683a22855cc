#pragma once
// One BUTTONPOS value of a skin INI: where a control sits, its tooltip and
// whether it starts pressed.
#include <optional>
#include <string>
#include <string_view>

#include "ui/core/AccessKey.h"

namespace mervik::ui {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// The label and tooltip fields the skin format allows; longer texts are cut.
constexpr size_t kButtonLabelMax = 39;
constexpr size_t kButtonTooltipMax = 99;

struct ButtonPos {
    std::string label;
    PixelRect rect;
    std::string tooltip;
    bool pressed = false;
    // From the skin's KEYBOARD section, not from the BUTTONPOS value.
    std::optional<AccessKey> accessKey;
};

// "label,x,y,width,height,tooltip,TRUE". An empty or malformed value gives an
// empty rectangle, which leaves its control invisible rather than refused.
ButtonPos ParseButtonPos(std::string_view value);

} // namespace mervik::ui
