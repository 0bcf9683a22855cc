#pragma once
// A button shaped by its own mask picture (window class "Rgn Button"). It
// reports a click only when the release lands inside its shape. Space, Enter
// and its access key press it; its focus ring runs inside the shape.
#include <functional>
#include <string>

#include "ui/core/FaceChoice.h"
#include "ui/win32/access/AccessibleControl.h"
#include "ui/win32/controls/ButtonFaces.h"
#include "ui/win32/controls/ButtonTooltip.h"
#include "ui/win32/controls/CWindow.h"
#include "ui/win32/controls/HoverTracker.h"
#include "ui/win32/keyboard/KeyboardControl.h"

namespace mervik::ui {

class CRgnButton : public CWindow, public KeyboardControl, public AccessibleControl {
public:
    static constexpr char kClassName[] = "Rgn Button";

    // A visible child at `rect` shaped by the picture in `maskFile`.
    bool Create(const RECT& rect, HWND parent, const std::string& maskFile);
    void SetFaces(ButtonFaces faces) { faces_ = std::move(faces); }
    void SetTooltip(const std::string& text) {
        tooltipText_ = text;
        tooltip_.Set(Hwnd(), text, true);
    }
    void SetLabel(std::string label) { label_ = std::move(label); }
    HWND TooltipWindow() const { return tooltip_.Window(); }
    void SetToggle(bool toggle) { toggle_ = toggle; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    void SetAccessKey(std::optional<AccessKey> key) { accessKey_ = key; }

    std::function<void()> onClick;

    FocusKind KeyboardKind() const override { return FocusKind::Button; }
    void PressByKeyboard() override;
    std::optional<AccessKey> KeyboardAccessKey() const override { return accessKey_; }

    AccessibleFacts Describe() const override;
    void DoDefaultAction(int) override { PressByKeyboard(); }

protected:
    LRESULT OnCreate() override;
    bool PaintsItself() const override { return true; }
    void OnPaint(HDC dc, const PAINTSTRUCT&) override;
    LRESULT OnEraseBkgnd(HDC) override { return 1; }
    LRESULT OnLButtonDown(UINT keys, POINT pt) override;
    LRESULT OnLButtonDblClk(UINT keys, POINT pt) override { return OnLButtonDown(keys, pt); }
    LRESULT OnLButtonUp(UINT keys, POINT pt) override;
    LRESULT OnMouseMove(UINT keys, POINT pt) override;
    LRESULT OnCaptureChanged(HWND newOwner) override;
    LRESULT OnKillFocus(HWND) override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool InShape(POINT pt) const;
    void SetState(RgnState state);

    std::string maskFile_;
    Region hitRegion_;
    ButtonFaces faces_;
    ButtonTooltip tooltip_;
    HoverTracker hover_;
    RgnState state_ = RgnState::Normal;
    bool toggle_ = false;
    bool checked_ = false;
    std::optional<AccessKey> accessKey_;
    std::string label_;
    std::string tooltipText_;
};

} // namespace mervik::ui
