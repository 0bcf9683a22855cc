#include "ui/win32/controls/COwnerDrawButton.h"

#include "ui/win32/keyboard/KeyboardCues.h"

namespace mervik::ui {

bool COwnerDrawButton::Create(HWND parent, const RECT& rect) {
    // Unicode, as all our windows: its caption is answered whole (CSkinButton).
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
    return CreateControl(L"BUTTON", L"Mervik Button", style, rect, parent);
}

void COwnerDrawButton::SkipInTabOrder() {
    if (Hwnd())
        SetWindowLongPtrA(Hwnd(), GWL_STYLE, GetWindowLongPtrA(Hwnd(), GWL_STYLE) & ~WS_TABSTOP);
}

void COwnerDrawButton::PressByKeyboard() {
    if (!Hwnd() || !IsWindowEnabled(Hwnd()))
        return;
    if (toggle_) {
        pressed_ = !pressed_;
        Repaint();
    }
    if (onClick)
        onClick();
}

AccessibleFacts COwnerDrawButton::Describe() const {
    AccessibleFacts facts;
    facts.role = role_.value_or(toggle_ ? AccessibleRole::CheckBox : AccessibleRole::PushButton);
    facts.name = AccessibleName(label_, ShownCaption());
    facts.value = ShownValue();
    facts.description = tooltipText_;
    facts.shortcut = AccessKeyShortcut(accessKey_);
    facts.checked = pressed_ && facts.role != AccessibleRole::PushButton;
    facts.hasPopup = opensMenu_;
    return facts;
}

void COwnerDrawButton::DrawKeyboardCues(HDC dc, const RECT& rect) const {
    DrawFocusRing(dc, Hwnd(), rect, faces_.Focus());
    DrawAccessKey(dc, Hwnd(), accessKey_, faces_.ScalePercent());
}

void COwnerDrawButton::SetPressed(bool pressed) {
    if (pressed_ == pressed)
        return;
    pressed_ = pressed;
    Repaint();
}

void COwnerDrawButton::ClearHover() {
    hover_.Set(false);
    if (Hwnd() && GetCapture() == Hwnd())
        ReleaseCapture();
    Repaint();
    if (Hwnd())
        UpdateWindow(Hwnd());
}

void COwnerDrawButton::SetTooltip(const std::string& text, bool active) {
    tooltipText_ = text;
    if (Hwnd())
        tooltip_.Set(Hwnd(), text, active);
}

ButtonState COwnerDrawButton::StateFor(const DRAWITEMSTRUCT& item) const {
    ButtonState state;
    state.toggle = toggle_;
    state.pressed = pressed_;
    state.hover = hover_.Hovering();
    state.clicking = (item.itemState & ODS_SELECTED) != 0;
    state.disabled = (item.itemState & ODS_DISABLED) != 0;
    return state;
}

void COwnerDrawButton::Repaint() const {
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, FALSE);
}

LRESULT COwnerDrawButton::OnMouseMove(UINT keys, POINT pt) {
    tooltip_.OnMouseMove(Hwnd(), keys, MAKELPARAM(pt.x, pt.y), SkinScale());
    if (hover_.OnMouseMove(Hwnd(), keys, pt))
        Repaint();
    return Default();
}

LRESULT COwnerDrawButton::OnCaptureChanged(HWND newOwner) {
    if (hover_.OnCaptureChanged(Hwnd(), newOwner))
        Repaint();
    return Default();
}

LRESULT COwnerDrawButton::OnKillFocus(HWND) {
    if (hover_.OnKillFocus())
        Repaint();
    return Default();
}

LRESULT COwnerDrawButton::OnKeyDown(UINT key) {
    if (key == VK_F2 && onDoubleClick) {
        onDoubleClick();
        return 0;
    }
    return Default();
}

void COwnerDrawButton::ActivateTopWindow() const {
    HWND top = GetAncestor(Hwnd(), GA_ROOT);
    if (top && GetActiveWindow() != top)
        SetActiveWindow(top);
}

LRESULT COwnerDrawButton::OnLButtonDown(UINT, POINT) {
    ActivateTopWindow();
    if (!toggle_)
        return Default();
    // A toggle button runs its own click so the system button does not send
    // a second command of its own on release.
    toggleCapture_ = true;
    SetCapture(Hwnd());
    return 0;
}

LRESULT COwnerDrawButton::OnLButtonDblClk(UINT keys, POINT pt) {
    return toggle_ ? OnLButtonDown(keys, pt) : Default();
}

void COwnerDrawButton::FinishToggleClick(POINT pt) {
    toggleCapture_ = false;
    if (GetCapture() == Hwnd())
        ReleaseCapture();
    RECT client;
    GetClientRect(Hwnd(), &client);
    if (!PtInRect(&client, pt))
        return;
    pressed_ = !pressed_;
    Repaint();
    if (onClick)
        onClick();
}

LRESULT COwnerDrawButton::OnLButtonUp(UINT, POINT pt) {
    if (!toggle_ || !toggleCapture_)
        return Default();
    FinishToggleClick(pt);
    return 0;
}

// The system button tells its parent, which hands the notice back here.
bool COwnerDrawButton::OnReflectedCommand(WORD code) {
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return false;
    const std::function<void()>& report = code == BN_CLICKED ? onClick : onDoubleClick;
    if (report)
        report();
    return true;
}

} // namespace mervik::ui
