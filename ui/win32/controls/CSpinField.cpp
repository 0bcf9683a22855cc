#include "ui/win32/controls/CSpinField.h"

#include <string>

#include "ui/win32/controls/ControlMessages.h"

namespace mervik::ui {

bool CSpinField::Create(HWND parent, const RECT& rect, const SharedSkinImages& pictures, int id,
                        SpinRange range) {
    if (!RegisterWindowClass(kClassName, 0, LoadCursor(nullptr, IDC_ARROW)))
        return false;
    if (!CWindow::Create(WS_EX_CONTROLPARENT, kClassName, "", WS_CHILD | WS_VISIBLE, rect, parent))
        return false;
    id_ = id;
    range_ = range;
    face_ = ButtonFaces(pictures, rect);
    value_ = range.Clamp(0);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int arrowsLeft = width - kArrowWidth;
    const int half = height / 2;
    edit_.SetDigitsOnly(true);
    edit_.SetAllowSign(range.minimum < 0);
    edit_.SetLimit(range.TextLimit());
    if (!edit_.Create(Hwnd(), RECT{3, 3, arrowsLeft - 2, height - 3}))
        return false;
    const RECT upRect{arrowsLeft, 0, width, half};
    const RECT downRect{arrowsLeft, half, width, height};
    if (!up_.Create(Hwnd(), upRect) || !down_.Create(Hwnd(), downRect))
        return false;
    up_.SetFaces(
        ButtonFaces(pictures, RECT{rect.left + arrowsLeft, rect.top, rect.right, rect.top + half}));
    down_.SetFaces(ButtonFaces(
        pictures, RECT{rect.left + arrowsLeft, rect.top + half, rect.right, rect.bottom}));
    SetValue(value_);
    return true;
}

void CSpinField::SetTooltip(const std::string& text) {
    up_.SetTooltip(text);
    down_.SetTooltip(text);
}

void CSpinField::SetValue(int value) {
    value_ = range_.Clamp(value);
    const std::string text = std::to_string(value_);
    if (edit_.Text() == text)
        return;
    showing_ = true;
    edit_.SetText(text);
    showing_ = false;
}

void CSpinField::Change(int value) {
    const int settled = range_.Clamp(value);
    const bool changed = settled != value_;
    SetValue(settled);
    if (changed)
        PostMessageA(GetParent(Hwnd()), kMsgSpinValue, static_cast<WPARAM>(settled), id_);
}

void CSpinField::SettleTyped() {
    const int settled = range_.Settle(edit_.Text(), value_);
    if (settled != value_) {
        Change(settled);
    } else if (edit_.Text() != std::to_string(value_)) {
        SetValue(value_); // "-", "07", "" show the number they stand for
    }
}

LRESULT CSpinField::OnCommand(WORD, HWND control) {
    if (control == up_.Hwnd())
        Change(value_ + 1);
    else if (control == down_.Hwnd())
        Change(value_ - 1);
    return 0;
}

LRESULT CSpinField::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kMsgEditEnter) {
        SettleTyped();
        return 0;
    }
    // The edit reports each change and its loss of the focus the same way;
    // only the loss settles the number, typing goes on undisturbed.
    if (msg == EditChangedMessage()) {
        if (!showing_ && GetFocus() != edit_.Hwnd())
            SettleTyped();
        return 0;
    }
    return CWindow::OnMessage(msg, wp, lp);
}

} // namespace mervik::ui
