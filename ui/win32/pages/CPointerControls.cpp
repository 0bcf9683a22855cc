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
                                   const SharedSkinImages& pictures, CclickHSlider& slider,
                                   PointerInput input, int minimum, int maximum, bool snap) {
    if (place.rect.IsEmpty())
        return true; // the skin leaves it out: nothing to place, no button either
    slider.SetRange(minimum, maximum);
    slider.SetSnap(snap);
    const std::string folder = pictures ? pictures->folder : SkinFolder();
    if (!slider.Create(folder + kThumbFile, ToRect(place.rect), page))
        return true;
    if (pictures) {
        slider.SetBackground(pictures->normal.get());
        slider.Thumb().SetFocusLook(pictures->Focus());
    }
    slider.Thumb().SetLabel(place.label);
    slider.SetPosition(minimum);
    slider.onChange = [this, input](int value) { Take(input, value); };
    return true;
}

bool CPointerControls::PlaceSpin(HWND page, const ButtonPos& place,
                                 const SharedSkinImages& pictures, CSpinField& spin,
                                 PointerInput input, SpinRange range) {
    if (place.rect.IsEmpty())
        return true;
    if (spin.Create(page, ToRect(place.rect), pictures, range)) {
        spin.SetTooltip(place.tooltip);
        spin.Edit().SetLabel(place.label);
        spin.onChange = [this, input](int value) { Take(input, value); };
    }
    return true;
}

bool CPointerControls::Place(HWND page, int key, const ButtonPos& place,
                             const SharedSkinImages& pictures) {
    switch (key) {
    case 1:
        return PlaceSlider(page, place, pictures, speed_, PointerInput::SpeedSlider, 1,
                           kSpeedPositions, true);
    case 3:
        return PlaceSlider(page, place, pictures, wheel_, PointerInput::WheelSlider, 1, 11, true);
    case 4:
        return PlaceSlider(page, place, pictures, doubleClick_, PointerInput::DoubleClickSlider, 0,
                           kDoubleClickSliderMax, false);
    case 21:
        return PlaceSlider(page, place, pictures, sensitivityX_, PointerInput::SensitivityXSlider,
                           1, kSensitivityPositions, true);
    case 22:
        return PlaceSlider(page, place, pictures, sensitivityY_, PointerInput::SensitivityYSlider,
                           1, kSensitivityPositions, true);
    case 6:
        return PlaceSpin(page, place, pictures, speedSpin_, PointerInput::SpeedNumber, {-5, 5});
    case 7:
        return PlaceSpin(page, place, pictures, wheelSpin_, PointerInput::WheelNumber, {1, 11});
    default:
        return false;
    }
}

void CPointerControls::TakeButtons(const CSkinnedPage& page) {
    acceleration_ = page.ButtonAt(kAccelerationKey);
    wheelPage_ = page.ButtonAt(kWheelPageKey);
    link_ = page.ButtonAt(kLinkKey);
    TakeCheck(acceleration_, SetAcceleration);
    TakeCheck(wheelPage_, SetWheelPage);
    TakeCheck(link_, SetXYSynchronous);
}

void CPointerControls::TakeCheck(CSkinButton* button, CheckEdit edit) {
    if (!button)
        return;
    button->SetToggle(true);
    button->onClick = [this, button, edit] {
        if (ProfileRecord* profile = shown_ ? shown_() : nullptr) {
            edit(*profile, button->Pressed());
            Show(*profile);
        }
    };
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

void CPointerControls::Take(PointerInput input, int value) {
    ProfileRecord* profile = shown_ ? shown_() : nullptr;
    if (!profile || !TakePointerInput(*profile, input, value))
        return;
    Show(*profile); // the twin control follows
    if (input == PointerInput::DoubleClickSlider && doubleClickChanged_)
        doubleClickChanged_(*profile);
}

void CPointerControls::CommitTyped() {
    for (CSpinField* spin : {&speedSpin_, &wheelSpin_})
        if (spin->Hwnd())
            spin->Commit();
}

} // namespace mervik::ui
