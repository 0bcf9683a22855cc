#include "ui/win32/pages/CPointerControls.h"

#include "ui/core/PointerPositions.h"
#include "ui/win32/controls/PlaceButton.h"
#include "ui/win32/pages/CSkinnedPage.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {

namespace {

constexpr char kThumbFile[] = "slider_thumb.bmp";

void Check(CSkinButton* button, bool on) {
    if (button)
        button->SetPressed(on);
}

} // namespace

bool CPointerControls::PlaceSlider(HWND page, const ButtonPos& place,
                                   const SharedSkinImages& pictures, CclickHSlider& slider, int id,
                                   int minimum, int maximum, bool snap) {
    if (place.rect.IsEmpty())
        return true; // the skin leaves it out: nothing to place, no button either
    slider.SetRange(minimum, maximum);
    slider.SetSnap(snap);
    if (!slider.Create(SkinFolder() + kThumbFile, ToRect(place.rect), page, id))
        return true;
    if (pictures)
        slider.SetBackground(pictures->normal.get());
    slider.SetPosition(minimum);
    return true;
}

bool CPointerControls::Place(HWND page, int key, const ButtonPos& place,
                             const SharedSkinImages& pictures) {
    switch (key) {
    case 1:
        return PlaceSlider(page, place, pictures, speed_, kSpeedSlider, 1, kSpeedPositions, true);
    case 3:
        return PlaceSlider(page, place, pictures, wheel_, kWheelSlider, 1, 11, true);
    case 4:
        return PlaceSlider(page, place, pictures, doubleClick_, kDoubleClickSlider, 0,
                           kDoubleClickSliderMax, false);
    case 21:
        return PlaceSlider(page, place, pictures, sensitivityX_, kSensitivityXSlider, 1,
                           kSensitivityPositions, true);
    case 22:
        return PlaceSlider(page, place, pictures, sensitivityY_, kSensitivityYSlider, 1,
                           kSensitivityPositions, true);
    case 6:
    case 7: {
        if (place.rect.IsEmpty())
            return true;
        CSpinField& spin = key == 6 ? speedSpin_ : wheelSpin_;
        const SpinRange range = key == 6 ? SpinRange{-5, 5} : SpinRange{1, 11};
        if (spin.Create(page, ToRect(place.rect), pictures, key == 6 ? kSpeedSpin : kWheelSpin,
                        range))
            spin.SetTooltip(place.tooltip);
        return true;
    }
    default:
        return false;
    }
}

void CPointerControls::TakeButtons(const CSkinnedPage& page) {
    acceleration_ = page.ButtonAt(kAccelerationKey);
    wheelPage_ = page.ButtonAt(kWheelPageKey);
    link_ = page.ButtonAt(kLinkKey);
    for (CSkinButton* check : {acceleration_, wheelPage_, link_})
        if (check)
            check->SetToggle(true);
}

void CPointerControls::Show(const ProfileRecord& profile) {
    const PointerView view = ViewOfProfile(profile);
    auto move = [](CclickHSlider& slider, int value) {
        if (slider.Hwnd())
            slider.SetPosition(value);
    };
    move(speed_, view.speedPosition);
    move(wheel_, view.wheelLines);
    move(doubleClick_, view.doubleClickPosition);
    move(sensitivityX_, view.sensitivityX);
    move(sensitivityY_, view.sensitivityY);
    if (speedSpin_.Hwnd())
        speedSpin_.SetValue(view.speedNumber);
    if (wheelSpin_.Hwnd())
        wheelSpin_.SetValue(view.wheelLines);
    if (wheel_.Hwnd())
        EnableWindow(wheel_.Hwnd(), !view.wheelPage);
    Check(acceleration_, view.acceleration);
    Check(wheelPage_, view.wheelPage);
    Check(link_, view.xySynchronous);
}

bool CPointerControls::OnValue(int id, int value, ProfileRecord& profile) {
    PointerInput input;
    switch (id) {
    case kSpeedSlider:
        input = PointerInput::SpeedSlider;
        break;
    case kSpeedSpin:
        input = PointerInput::SpeedNumber;
        break;
    case kWheelSlider:
        input = PointerInput::WheelSlider;
        break;
    case kWheelSpin:
        input = PointerInput::WheelNumber;
        break;
    case kDoubleClickSlider:
        input = PointerInput::DoubleClickSlider;
        break;
    case kSensitivityXSlider:
        input = PointerInput::SensitivityXSlider;
        break;
    case kSensitivityYSlider:
        input = PointerInput::SensitivityYSlider;
        break;
    default:
        return false;
    }
    if (!TakePointerInput(profile, input, value))
        return false;
    Show(profile); // the twin control follows
    return true;
}

bool CPointerControls::OnCheck(HWND button, ProfileRecord& profile) {
    if (!button)
        return false;
    if (acceleration_ && button == acceleration_->Hwnd()) {
        SetAcceleration(profile, acceleration_->Pressed());
    } else if (wheelPage_ && button == wheelPage_->Hwnd()) {
        SetWheelPage(profile, wheelPage_->Pressed());
    } else if (link_ && button == link_->Hwnd()) {
        SetXYSynchronous(profile, link_->Pressed());
    } else {
        return false;
    }
    Show(profile);
    return true;
}

} // namespace mervik::ui
