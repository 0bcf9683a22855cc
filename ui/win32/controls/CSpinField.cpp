#include "ui/win32/controls/CSpinField.h"

#include <string>

#include "ui/core/DisplayScale.h"

namespace mervik::ui {

bool CSpinField::Create(HWND parent, const RECT& rect, const SharedSkinImages& pictures,
                        SpinRange range) {
    if (!RegisterWindowClass(kClassName, 0, LoadCursor(nullptr, IDC_ARROW)))
        return false;
    if (!CWindow::Create(WS_EX_CONTROLPARENT, kClassName, "", WS_CHILD | WS_VISIBLE, rect, parent))
        return false;
    range_ = range;
    face_ = ButtonFaces(pictures, rect);
    value_ = range.Clamp(0);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // The skin draws the field and its arrows at its scale.
    const int scale = pictures ? pictures->scalePercent : kBaseScalePercent;
    const int arrowsLeft = width - ScaleLength(kArrowWidth, scale);
    const int half = height / 2;
    const int inset = ScaleLength(kEditInset, scale);
    edit_.SetDigitsOnly(true);
    edit_.SetAllowSign(range.minimum < 0);
    edit_.SetLimit(range.TextLimit());
    edit_.SetFontScale(scale);
    if (!edit_.Create(Hwnd(), RECT{inset, inset, arrowsLeft - inset + 1, height - inset}))
        return false;
    edit_.onEnter = [this] { SettleTyped(); };
    // Only the loss of the focus settles the number; typing goes on
    // undisturbed.
    edit_.onChange = [this] {
        if (!showing_ && GetFocus() != edit_.Hwnd())
            SettleTyped();
    };
    // The arrow keys step as the arrows do, from the number typed so far.
    edit_.onStep = [this](int step) {
        SettleTyped();
        Change(value_ + step);
    };
    const RECT upRect{arrowsLeft, 0, width, half};
    const RECT downRect{arrowsLeft, half, width, height};
    if (!up_.Create(Hwnd(), upRect) || !down_.Create(Hwnd(), downRect))
        return false;
    // The number is typed; Tab goes from the field to the next control.
    up_.SkipInTabOrder();
    down_.SkipInTabOrder();
    // Each press steps, the second of a double-click too.
    up_.onClick = up_.onDoubleClick = [this] { Change(value_ + 1); };
    down_.onClick = down_.onDoubleClick = [this] { Change(value_ - 1); };
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
    if (!changed)
        return;
    if (!reportAtOnce_)
        PostReport(onChange, settled);
    else if (onChange)
        onChange(settled);
}

void CSpinField::Commit() {
    reportAtOnce_ = true;
    SettleTyped();
    reportAtOnce_ = false;
}

void CSpinField::SettleTyped() {
    const int settled = range_.Settle(edit_.Text(), value_);
    if (settled != value_) {
        Change(settled);
    } else if (edit_.Text() != std::to_string(value_)) {
        SetValue(value_); // "-", "07", "" show the number they stand for
    }
}

} // namespace mervik::ui
