#pragma once
// What the pointer controls of the macro page do to the profile shown, and
// what they show for it. The window only moves its controls to the view.
#include "settings/ProfileRecord.h"

namespace mervik::ui {

struct PointerView {
    int speedPosition;       // slider, 1..11
    int speedNumber;         // spin field, -5..5
    int wheelLines;          // slider and spin field, 1..11
    int doubleClickPosition; // slider, 0..700
    int sensitivityX;        // sliders, 1..10
    int sensitivityY;
    bool wheelPage; // the wheel scrolls a page; the lines slider is off meanwhile
    bool acceleration;
    bool xySynchronous;
};

PointerView ViewOfProfile(const ProfileRecord& profile);

enum class PointerInput {
    SpeedSlider,
    SpeedNumber,
    WheelSlider,
    WheelNumber,
    DoubleClickSlider,
    SensitivityXSlider,
    SensitivityYSlider,
};

// Stores what the control now shows; false when the profile already held it
// (a control echoing the value it was given changes nothing).
bool TakePointerInput(ProfileRecord& profile, PointerInput input, int value);

void SetWheelPage(ProfileRecord& profile, bool on);
void SetAcceleration(ProfileRecord& profile, bool on);
// Linking the axes gives Y the value of X.
void SetXYSynchronous(ProfileRecord& profile, bool on);

} // namespace mervik::ui
