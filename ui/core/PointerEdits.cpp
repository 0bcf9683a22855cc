#include "ui/core/PointerEdits.h"

#include <algorithm>

#include "ui/core/PointerPositions.h"

namespace mervik::ui {

namespace {

constexpr int kWheelLinesMax = 11;
constexpr int kAccelerationOn = 8;

bool Store(int32_t& field, int value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

int SensitivityOf(int position) {
    return SpeedOfPosition(std::clamp(position, 1, kSensitivityPositions));
}

int SensitivityPosition(int value) {
    return std::min(PositionOfSpeed(value), kSensitivityPositions);
}

} // namespace

PointerView ViewOfProfile(const ProfileRecord& profile) {
    PointerView view{};
    view.speedPosition = PositionOfSpeed(profile.MouseSpeed);
    view.speedNumber = view.speedPosition - kSpeedSpinOffset;
    view.wheelLines = std::clamp<int>(profile.ScrollWheelSpeed, 1, kWheelLinesMax);
    view.doubleClickPosition = PositionOfDoubleClickTime(profile.DbleClickSpeed);
    view.sensitivityX = SensitivityPosition(profile.Sensitivity_X);
    view.sensitivityY = SensitivityPosition(profile.Sensitivity_Y);
    view.wheelPage = profile.ScrollWheelFlag == 1;
    view.acceleration = profile.AccelerationFlag != 0;
    view.xySynchronous = profile.XYSynchronous == 1;
    return view;
}

bool TakePointerInput(ProfileRecord& profile, PointerInput input, int value) {
    switch (input) {
    case PointerInput::SpeedSlider:
        return Store(profile.MouseSpeed, SpeedOfPosition(value));
    case PointerInput::SpeedNumber:
        return Store(profile.MouseSpeed, SpeedOfPosition(value + kSpeedSpinOffset));
    case PointerInput::WheelSlider:
    case PointerInput::WheelNumber:
        return Store(profile.ScrollWheelSpeed, std::clamp(value, 1, kWheelLinesMax));
    case PointerInput::DoubleClickSlider:
        return Store(profile.DbleClickSpeed, DoubleClickTimeOfPosition(value));
    case PointerInput::SensitivityXSlider: {
        bool changed = Store(profile.Sensitivity_X, SensitivityOf(value));
        if (profile.XYSynchronous == 1)
            changed = Store(profile.Sensitivity_Y, profile.Sensitivity_X) || changed;
        return changed;
    }
    case PointerInput::SensitivityYSlider: {
        bool changed = Store(profile.Sensitivity_Y, SensitivityOf(value));
        if (profile.XYSynchronous == 1)
            changed = Store(profile.Sensitivity_X, profile.Sensitivity_Y) || changed;
        return changed;
    }
    }
    return false;
}

void SetWheelPage(ProfileRecord& profile, bool on) {
    profile.ScrollWheelFlag = on ? 1 : 0;
}

void SetAcceleration(ProfileRecord& profile, bool on) {
    profile.AccelerationFlag = on ? 1 : 0;
    profile.Acceleration = on ? kAccelerationOn : 0;
}

void SetXYSynchronous(ProfileRecord& profile, bool on) {
    profile.XYSynchronous = on ? 1 : 0;
    if (on)
        profile.Sensitivity_Y = profile.Sensitivity_X;
}

} // namespace mervik::ui
