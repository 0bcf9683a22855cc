#pragma once
// What CSkinButton and CColorButton share: an owner-drawn system button with
// four faces, hover by capture, a tooltip, push or toggle behaviour, the
// keyboard (Space, Enter, its access key; F2 does what a double-click does)
// and its focus ring. It tells its clicks to whoever made it through its
// callbacks.
#include <functional>
#include <string>

#include "ui/win32/access/AccessibleControl.h"
#include "ui/win32/controls/ButtonFaces.h"
#include "ui/win32/controls/ButtonTooltip.h"
#include "ui/win32/controls/CWindow.h"
#include "ui/win32/controls/HoverTracker.h"
#include "ui/win32/keyboard/KeyboardControl.h"

namespace mervik::ui {

class COwnerDrawButton : public CWindow, public KeyboardControl, public AccessibleControl {
public:
    // A visible child at `rect` of `parent`, identifier 0, reached by Tab.
    bool Create(HWND parent, const RECT& rect);
    // Left out of the Tab order (a number field's arrows, which the field's
    // own keys step).
    void SkipInTabOrder();

    void SetFaces(ButtonFaces faces) { faces_ = std::move(faces); }
    // The scale of the skin the faces come from.
    int SkinScale() const { return faces_.ScalePercent(); }
    void ShowDisabledAs(Face face) { faces_.ShowDisabledAs(face); }
    // Forgets the pointer over the button (a menu it opened took the
    // pointer away) and shows the button so at once.
    void ClearHover();
    void SetPressed(bool pressed);
    bool Pressed() const { return pressed_; }
    void SetToggle(bool toggle) { toggle_ = toggle; }
    void SetTooltip(const std::string& text, bool active = true);
    // Its press opens a menu: F4 and Alt+Down press it too.
    void SetOpensMenu(bool opensMenu) { opensMenu_ = opensMenu; }
    bool OpensMenu() const { return opensMenu_; }
    bool IsToggle() const { return toggle_; }
    void SetAccessKey(std::optional<AccessKey> key) { accessKey_ = key; }
    // What a screen reader calls it (the skin's label of its place) and how
    // it reads it: a push button unless told (a toggle is a check box).
    void SetLabel(std::string label) { label_ = std::move(label); }
    void SetRole(AccessibleRole role) { role_ = role; }

    FocusKind KeyboardKind() const override {
        return opensMenu_ ? FocusKind::MenuButton : FocusKind::Button;
    }
    // A click, a toggle button flipping first as under the pointer.
    void PressByKeyboard() override;
    std::optional<AccessKey> KeyboardAccessKey() const override { return accessKey_; }

    AccessibleFacts Describe() const override;
    void DoDefaultAction(int) override { PressByKeyboard(); }

    // A click (a toggle button has already flipped when it comes).
    std::function<void()> onClick;
    // The second press of a double-click, which was a click already.
    std::function<void()> onDoubleClick;

protected:
    ButtonState StateFor(const DRAWITEMSTRUCT& item) const;
    void DrawFace(HDC dc, Face face) const { faces_.Draw(dc, face, 0, 0); }
    // What the button shows besides its face (a caption, a colour), for the
    // screen reader's name and value.
    virtual std::string ShownCaption() const { return {}; }
    virtual std::string ShownValue() const { return {}; }
    // The focus ring and the access key's underline, over the face.
    void DrawKeyboardCues(HDC dc, const RECT& rect) const;
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
    LRESULT OnKeyDown(UINT key) override;
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
    bool opensMenu_ = false;
    std::optional<AccessKey> accessKey_;
    std::optional<AccessibleRole> role_;
    std::string label_;
    std::string tooltipText_;
};

} // namespace mervik::ui
