#pragma once
// A button shaped by its own mask picture (window class "Rgn Button"). It
// reports a click only when the release lands inside its shape.
#include <functional>
#include <string>

#include "ui/core/FaceChoice.h"
#include "ui/win32/controls/ButtonFaces.h"
#include "ui/win32/controls/ButtonTooltip.h"
#include "ui/win32/controls/CWindow.h"
#include "ui/win32/controls/HoverTracker.h"

namespace mervik::ui {

class CRgnButton : public CWindow {
public:
    static constexpr char kClassName[] = "Rgn Button";

    // A visible child at `rect` shaped by the picture in `maskFile`.
    bool Create(const RECT& rect, HWND parent, const std::string& maskFile);
    void SetFaces(ButtonFaces faces) { faces_ = std::move(faces); }
    void SetTooltip(const std::string& text) { tooltip_.Set(Hwnd(), text, true); }
    HWND TooltipWindow() const { return tooltip_.Window(); }
    void SetToggle(bool toggle) { toggle_ = toggle; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    std::function<void()> onClick;

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
};

} // namespace mervik::ui
