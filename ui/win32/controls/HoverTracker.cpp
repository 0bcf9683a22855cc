#include "ui/win32/controls/HoverTracker.h"

namespace mervik::ui {

bool HoverTracker::OnMouseMove(HWND self, UINT keys, POINT client) {
    bool leftHeld = (keys & MK_LBUTTON) != 0;
    if (leftHeld && !hover_)
        return false;
    if (GetCapture() != self) {
        if (!GetActiveWindow() || !GetParent(self))
            return false;
        hover_ = true;
        SetCapture(self);
        return true;
    }
    POINT screen = client;
    ClientToScreen(self, &screen);
    if (WindowFromPoint(screen) == self)
        return false;
    bool changed = hover_;
    hover_ = false;
    if (!leftHeld)
        ReleaseCapture();
    return changed;
}

bool HoverTracker::OnCaptureChanged(HWND self, HWND newOwner) {
    if (!hover_ || newOwner == self)
        return false;
    hover_ = false;
    return true;
}

bool HoverTracker::OnKillFocus() {
    bool changed = hover_;
    hover_ = false;
    return changed;
}

} // namespace mervik::ui
