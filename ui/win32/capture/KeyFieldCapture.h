#pragma once
// The key field of the shortcut and fire dialogs: while it has the focus the
// keyboard capture holds the whole keyboard and each key shows in the field;
// Tab and Shift+Tab are its way out, to the dialog's other controls, where
// the keyboard works as anywhere else.
#include <windows.h>

#include "ui/core/CapturedKey.h"
#include "ui/win32/capture/ScopedKeyCapture.h"
#include "ui/win32/controls/CBitmapEdit.h"

namespace mervik::ui {

class KeyFieldCapture {
public:
    // `field` shows `key`; both belong to `dialog` and outlive this.
    void Attach(HWND dialog, CBitmapEdit& field, KeyField& key);
    // Takes the capture when the field has the focus, lets it go otherwise.
    void FollowFocus();
    // A key from the capture (message kMsgCapturedKey).
    void OnCapturedKey(WPARAM virtualKey, LPARAM flags);
    void Release() { capture_.Release(); }

private:
    HWND dialog_ = nullptr;
    CBitmapEdit* field_ = nullptr;
    KeyField* key_ = nullptr;
    ScopedKeyCapture capture_;
};

} // namespace mervik::ui
