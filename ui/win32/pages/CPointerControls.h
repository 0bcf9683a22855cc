#pragma once
// The pointer controls of the macro page: sliders, spin fields and check
// buttons for the speed, wheel, double-click time and sensitivities of the
// profile the main window shows. The rules are PointerEdits'; this places the
// controls and moves them to the profile.
#include "settings/ProfileRecord.h"
#include "ui/core/ButtonPos.h"
#include "ui/core/PointerEdits.h"
#include "ui/win32/controls/CSpinField.h"
#include "ui/win32/controls/CclickHSlider.h"
#include "ui/win32/skin/SkinImages.h"

namespace mervik::ui {

class CSkinnedPage;

class CPointerControls {
public:
    // Slider and spin-field ids, as their notices carry them.
    enum Id {
        kWheelSlider = 202,
        kDoubleClickSlider = 203,
        kSpeedSlider = 204,
        kSensitivityXSlider = 205,
        kSensitivityYSlider = 206,
        kSpeedSpin = 400,
        kWheelSpin = 401,
    };
    // The keys of the check buttons and the reset button.
    enum Key { kAccelerationKey = 2, kWheelPageKey = 5, kResetKey = 9, kLinkKey = 20 };

    // Makes the control of `key` when it is one of the sliders or spin
    // fields; false for other keys.
    bool Place(HWND page, int key, const ButtonPos& place, const SharedSkinImages& pictures);
    // The check buttons, once the page made them.
    void TakeButtons(const CSkinnedPage& page);

    void Show(const ProfileRecord& profile);
    // A slider's or spin field's notice; true when the profile changed.
    bool OnValue(int id, int value, ProfileRecord& profile);
    // A click on a check button; true when it was one of them.
    bool OnCheck(HWND button, ProfileRecord& profile);

private:
    bool PlaceSlider(HWND page, const ButtonPos& place, const SharedSkinImages& pictures,
                     CclickHSlider& slider, int id, int minimum, int maximum, bool snap);

    CclickHSlider speed_, wheel_, doubleClick_, sensitivityX_, sensitivityY_;
    CSpinField speedSpin_, wheelSpin_;
    bool placed_[5]{}; // which sliders exist, in the order above
    CSkinButton* acceleration_ = nullptr;
    CSkinButton* wheelPage_ = nullptr;
    CSkinButton* link_ = nullptr;
};

} // namespace mervik::ui
