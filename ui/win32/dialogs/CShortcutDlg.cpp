#include "ui/win32/dialogs/CShortcutDlg.h"

#include "ui/win32/capture/KeyCapture.h"
#include "ui/win32/controls/PlaceButton.h"
#include "ui/win32/controls/PlaceEdit.h"

namespace mervik::ui {

CShortcutDlg::CShortcutDlg(uint8_t usage, uint8_t modifiers)
    : CSkinnedDialog("skin_key.ini"), openedUsage_(usage), openedModifiers_(modifiers),
      key_(KeyField::OfUsage(usage)), modifiers_(ModifierStates::FromByte(modifiers)) {}

void CShortcutDlg::PlaceDialogControls(const SkinFile& skin, const SharedSkinImages& pictures) {
    PlaceDialogField(keyField_, Hwnd(), skin, kKeyFieldKey, FieldKind::Key);
    keyField_.onFocusChange = [this] { capture_.FollowFocus(); };
    capture_.Attach(Hwnd(), keyField_, key_);
    for (int i = 0; i < kModifierButtons; ++i) {
        PlaceSkinButton(modifierButtons_[i], Hwnd(), skin, pictures, kFirstModifierKey + i);
        modifierButtons_[i].SetToggle(true);
        modifierButtons_[i].onClick = [this, i] { TakeModifier(i); };
    }
}

void CShortcutDlg::OnInitDialog() {
    // The capture comes with the key field's focus; without it no key
    // arrives, and the dialog still works with the key it was opened with.
    keyField_.SetText(key_.text);
    ShowModifiers();
    CentreOnOwner();
}

void CShortcutDlg::ShowModifiers() {
    for (int i = 0; i < kModifierButtons; ++i) {
        modifierButtons_[i].SetPressed(modifiers_.pressed[i]);
        EnableWindow(modifierButtons_[i].Hwnd(), modifiers_.Enabled(i));
    }
}

void CShortcutDlg::TakeModifier(int button) {
    modifiers_.pressed[button] = modifierButtons_[button].Pressed();
    ShowModifiers();
}

// Presses and releases alike: the last key event before OK decides.
LRESULT CShortcutDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != kMsgCapturedKey)
        return CSkinnedDialog::OnMessage(msg, wp, lp);
    capture_.OnCapturedKey(wp, lp);
    return 0;
}

void CShortcutDlg::OnDestroy() {
    capture_.Release();
    CSkinnedDialog::OnDestroy();
}

} // namespace mervik::ui
