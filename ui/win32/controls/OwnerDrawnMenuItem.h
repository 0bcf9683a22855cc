#pragma once
// A menu item that draws itself. The data of each owner-drawn menu item of
// ours points at one, and the window a menu is shown for hands it the
// system's measure and draw requests, as it hands a control's to the control.
#include <windows.h>

namespace mervik::ui {

class OwnerDrawnMenuItem {
public:
    virtual void Measure(MEASUREITEMSTRUCT& item) = 0;
    virtual void Draw(const DRAWITEMSTRUCT& item) = 0;

protected:
    ~OwnerDrawnMenuItem() = default;
};

} // namespace mervik::ui
