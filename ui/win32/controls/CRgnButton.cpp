#include "ui/win32/controls/CRgnButton.h"

#include "ui/win32/keyboard/KeyboardCues.h"

#include "ui/win32/skin/MaskRegion.h"
#include "ui/win32/skin/PictureLoader.h"

namespace mervik::ui {

bool CRgnButton::Create(const RECT& rect, HWND parent, const std::string& maskFile) {
    if (!RegisterWindowClass(kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr))
        return false;
    maskFile_ = maskFile;
    return CWindow::Create(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, parent);
}

LRESULT CRgnButton::OnCreate() {
    Bitmap mask = LoadPicture(maskFile_);
    Region shape = RegionFromMask(mask.get());
    if (shape) {
        hitRegion_.reset(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(hitRegion_.get(), shape.get(), nullptr, RGN_COPY);
        ApplyWindowRegion(Hwnd(), std::move(shape));
    }
    return 0;
}

void CRgnButton::SetChecked(bool checked) {
    checked_ = checked;
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

bool CRgnButton::InShape(POINT pt) const {
    if (hitRegion_)
        return PtInRegion(hitRegion_.get(), pt.x, pt.y) != FALSE;
    // Without a mask the whole rectangle is the button.
    RECT client;
    GetClientRect(Hwnd(), &client);
    return PtInRect(&client, pt) != FALSE;
}

void CRgnButton::SetState(RgnState state) {
    state_ = state;
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CRgnButton::OnPaint(HDC dc, const PAINTSTRUCT&) {
    if (!IsWindowEnabled(Hwnd()))
        state_ = RgnState::Disabled;
    else if (state_ == RgnState::Disabled)
        state_ = RgnState::Normal;
    faces_.Draw(dc, RgnButtonFace(state_, checked_), 0, 0);
    if (hitRegion_) {
        DrawFocusRing(dc, Hwnd(), hitRegion_.get(), faces_.Focus());
    } else {
        RECT client;
        GetClientRect(Hwnd(), &client);
        DrawFocusRing(dc, Hwnd(), client, faces_.Focus());
    }
    DrawAccessKey(dc, Hwnd(), accessKey_, faces_.ScalePercent());
}

AccessibleFacts CRgnButton::Describe() const {
    AccessibleFacts facts;
    facts.role = toggle_ ? AccessibleRole::CheckBox : AccessibleRole::PushButton;
    facts.name = label_;
    facts.description = tooltipText_;
    facts.shortcut = AccessKeyShortcut(accessKey_);
    facts.checked = toggle_ && checked_;
    return facts;
}

void CRgnButton::PressByKeyboard() {
    if (!IsWindowEnabled(Hwnd()))
        return;
    if (toggle_)
        SetChecked(!checked_);
    if (onClick)
        onClick();
}

LRESULT CRgnButton::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SETFOCUS)
        InvalidateRect(Hwnd(), nullptr, FALSE);
    return CWindow::OnMessage(msg, wp, lp);
}

LRESULT CRgnButton::OnLButtonDown(UINT, POINT pt) {
    SetCapture(Hwnd());
    if (InShape(pt))
        state_ = RgnState::Pressed;
    InvalidateRect(Hwnd(), nullptr, FALSE);
    return 0;
}

LRESULT CRgnButton::OnLButtonUp(UINT, POINT pt) {
    if (toggle_ && state_ == RgnState::Pressed)
        checked_ = !checked_;
    state_ = RgnState::Normal;
    hover_.Set(false);
    if (GetCapture() == Hwnd())
        ReleaseCapture();
    InvalidateRect(Hwnd(), nullptr, FALSE);
    if (InShape(pt) && onClick)
        onClick();
    return 0;
}

LRESULT CRgnButton::OnMouseMove(UINT keys, POINT pt) {
    if (keys & MK_LBUTTON)
        return 0;
    tooltip_.OnMouseMove(Hwnd(), keys, MAKELPARAM(pt.x, pt.y), faces_.ScalePercent());
    if (hover_.OnMouseMove(Hwnd(), keys, pt))
        SetState(hover_.Hovering() ? RgnState::Hover : RgnState::Normal);
    return 0;
}

LRESULT CRgnButton::OnCaptureChanged(HWND newOwner) {
    if (hover_.OnCaptureChanged(Hwnd(), newOwner))
        SetState(RgnState::Normal);
    return 0;
}

LRESULT CRgnButton::OnKillFocus(HWND) {
    if (hover_.OnKillFocus())
        SetState(RgnState::Normal);
    else
        InvalidateRect(Hwnd(), nullptr, FALSE); // the ring goes
    return 0;
}

} // namespace mervik::ui
