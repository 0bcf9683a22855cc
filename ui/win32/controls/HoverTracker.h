#pragma once
// Hover by mouse capture, shared by the button controls: the control captures
// the pointer when it enters, so it sees the move that leaves.
#include <windows.h>

namespace mervik::ui {

class HoverTracker {
public:
    bool Hovering() const { return hover_; }
    void Set(bool hover) { hover_ = hover; }

    // Each returns true when the hover flag changed and the control must repaint.
    bool OnMouseMove(HWND self, UINT keys, POINT client);
    bool OnCaptureChanged(HWND self, HWND newOwner);
    bool OnKillFocus();

private:
    bool hover_ = false;
};

} // namespace mervik::ui
