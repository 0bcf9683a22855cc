#pragma once
// The pointer controls of the macro page: sliders, spin fields and check
// buttons for the speed, wheel, double-click time and sensitivities of the
// profile the main window shows. The rules are PointerEdits'; this places the
// controls and moves them to the profile.
#include <functional>

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
    // The keys of the check buttons and the reset button.
    enum Key { kAccelerationKey = 2, kWheelPageKey = 5, kResetKey = 9, kLinkKey = 20 };

    using ShownProfile = std::function<ProfileRecord*()>;
    using DoubleClickChanged = std::function<void(const ProfileRecord&)>;
    // The controls edit the profile `shown` gives (none while it gives null);
    // `doubleClickChanged` hears of each new double-click time, which the
    // system should feel at once.
    CPointerControls(ShownProfile shown, DoubleClickChanged doubleClickChanged)
        : shown_(std::move(shown)), doubleClickChanged_(std::move(doubleClickChanged)) {}

    // Makes the control of `key` when it is one of the sliders or spin
    // fields; false for other keys.
    bool Place(HWND page, int key, const ButtonPos& place, const SharedSkinImages& pictures);
    // The check buttons, once the page made them.
    void TakeButtons(const CSkinnedPage& page);

    void Show(const ProfileRecord& profile);
    // The numbers typed into the spin fields, taken now.
    void CommitTyped();

private:
    bool PlaceSlider(HWND page, const ButtonPos& place, const SharedSkinImages& pictures,
                     CclickHSlider& slider, PointerInput input, int minimum, int maximum,
                     bool snap);
    bool PlaceSpin(HWND page, const ButtonPos& place, const SharedSkinImages& pictures,
                   CSpinField& spin, PointerInput input, SpinRange range);
    void Take(PointerInput input, int value);
    using CheckEdit = void (*)(ProfileRecord&, bool on);
    void TakeCheck(CSkinButton* button, CheckEdit edit);

    ShownProfile shown_;
    DoubleClickChanged doubleClickChanged_;

    CclickHSlider speed_, wheel_, doubleClick_, sensitivityX_, sensitivityY_;
    CSpinField speedSpin_, wheelSpin_;
    bool placed_[5]{}; // which sliders exist, in the order above
    CSkinButton* acceleration_ = nullptr;
    CSkinButton* wheelPage_ = nullptr;
    CSkinButton* link_ = nullptr;
};

} // namespace mervik::ui
