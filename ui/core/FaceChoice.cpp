#include "ui/core/FaceChoice.h"

namespace mervik::ui {

Face SkinButtonFace(const ButtonState& s) {
    if (s.toggle) {
        if (s.disabled)
            return Face::Disable;
        if (s.pressed)
            return Face::Down;
        return s.hover ? Face::Over : Face::Normal;
    }
    if (s.pressed)
        return s.disabled ? Face::Disable : Face::Down;
    if (s.clicking)
        return Face::Down;
    if (s.hover)
        return Face::Over;
    return s.disabled ? Face::Disable : Face::Normal;
}

Face ColorButtonFace(const ButtonState& s) {
    if (s.toggle) {
        if (s.disabled)
            return Face::Disable;
        if (s.hover)
            return Face::Down;
        return s.pressed ? Face::Over : Face::Normal;
    }
    if ((s.hover && !s.disabled) || s.clicking)
        return Face::Down;
    if (s.pressed)
        return Face::Over;
    return s.disabled ? Face::Disable : Face::Normal;
}

Face RgnButtonFace(RgnState state, bool checked) {
    if (checked)
        return Face::Down;
    switch (state) {
    case RgnState::Hover:
        return Face::Over;
    case RgnState::Pressed:
        return Face::Down;
    case RgnState::Disabled:
        return Face::Disable;
    case RgnState::Normal:
        break;
    }
    return Face::Normal;
}

} // namespace mervik::ui
