#include "ui/win32/capture/KeyFieldCapture.h"

#include "ui/win32/capture/KeyCapture.h"
#include "ui/win32/keyboard/DialogKeyboard.h"

namespace mervik::ui {

void KeyFieldCapture::Attach(HWND dialog, CBitmapEdit& field, KeyField& key) {
    dialog_ = dialog;
    field_ = &field;
    key_ = &key;
}

void KeyFieldCapture::FollowFocus() {
    if (!field_)
        return;
    const bool inField = field_->Hwnd() && GetFocus() == field_->Hwnd();
    if (inField && !capture_.Held())
        capture_.Take(dialog_);
    else if (!inField && capture_.Held())
        capture_.Release();
}

void KeyFieldCapture::OnCapturedKey(WPARAM virtualKey, LPARAM flags) {
    // Keys still queued when the capture ended (the rest of a Shift+Tab that
    // left the field: Tab's and Shift's releases) are not the field's.
    if (!field_ || !key_ || !capture_.Held())
        return;
    const bool released = (flags & kCapturedKeyUp) != 0;
    const CapturedStep step = key_->TakeCapturedEvent(static_cast<int>(virtualKey), released);
    if (step == CapturedStep::Unchanged)
        return;
    field_->SetText(key_->text);
    if (step == CapturedStep::Taken)
        return;
    MoveFocus(dialog_, step == CapturedStep::LeaveBackward);
    FollowFocus();
}

} // namespace mervik::ui
