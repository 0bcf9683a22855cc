#pragma once
// What CSkinButton and CColorButton share: an owner-drawn system button with
// four faces, hover by capture, a tooltip, push or toggle behaviour. It tells
// its clicks to whoever made it through its callbacks.
#include <functional>
#include <string>

#include "ui/win32/controls/ButtonFaces.h"
#include "ui/win32/controls/ButtonTooltip.h"
#include "ui/win32/controls/CWindow.h"
#include "ui/win32/controls/HoverTracker.h"

namespace mervik::ui {

class COwnerDrawButton : public CWindow {
public:
    // A visible child at `rect` of `parent`, identifier 0.
    bool Create(HWND parent, const RECT& rect);

    void SetFaces(ButtonFaces faces) { faces_ = std::move(faces); }
    void ShowDisabledAs(Face face) { faces_.ShowDisabledAs(face); }
    // Forgets the pointer over the button (a menu it opened took the
    // pointer away) and shows the button so at once.
    void ClearHover();
    void SetPressed(bool pressed);
    bool Pressed() const { return pressed_; }
    void SetToggle(bool toggle) { toggle_ = toggle; }
    void SetTooltip(const std::string& text, bool active = true);

    // A click (a toggle button has already flipped when it comes).
    std::function<void()> onClick;
    // The second press of a double-click, which was a click already.
    std::function<void()> onDoubleClick;

protected:
    ButtonState StateFor(const DRAWITEMSTRUCT& item) const;
    void DrawFace(HDC dc, Face face) const { faces_.Draw(dc, face, 0, 0); }
    void Repaint() const;

    // The face covers the whole button: erasing first only costs a fill.
    LRESULT OnEraseBkgnd(HDC) override { return 1; }
    // A pressed (selected) button reads as checked, for screen readers and tests.
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == BM_GETCHECK)
            return pressed_ ? BST_CHECKED : BST_UNCHECKED;
        // The system button draws itself at once when enabled or disabled;
        // marked for the next paint instead, a page that changes many
        // buttons paints them all in one pass.
        if (msg == WM_ENABLE) {
            Repaint();
            return 0;
        }
        return CWindow::OnMessage(msg, wp, lp);
    }
    LRESULT OnMouseMove(UINT keys, POINT pt) override;
    LRESULT OnCaptureChanged(HWND newOwner) override;
    LRESULT OnKillFocus(HWND) override;
    LRESULT OnLButtonDown(UINT keys, POINT pt) override;
    LRESULT OnLButtonUp(UINT keys, POINT pt) override;
    LRESULT OnLButtonDblClk(UINT keys, POINT pt) override;
    bool OnReflectedCommand(WORD code) override;

private:
    void ActivateTopWindow() const;
    void FinishToggleClick(POINT pt);

    ButtonFaces faces_;
    HoverTracker hover_;
    ButtonTooltip tooltip_;
    bool pressed_ = false;
    bool toggle_ = false;
    bool toggleCapture_ = false;
};

} // namespace mervik::ui
