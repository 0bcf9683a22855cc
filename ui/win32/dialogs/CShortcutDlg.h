#pragma once
// The shortcut dialog: one key, taken from the keyboard, and the modifiers
// held with it, chosen with five toggle buttons. While the key field has the
// focus the whole keyboard goes to it (Tab leaves it); only its buttons end
// it. The caller stores the result after OK.
#include <cstdint>

#include "ui/core/CapturedKey.h"
#include "ui/core/ShortcutModifiers.h"
#include "ui/win32/capture/KeyFieldCapture.h"
#include "ui/win32/controls/CBitmapEdit.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/skin/CSkinnedDialog.h"

namespace mervik::ui {

class CShortcutDlg : public CSkinnedDialog {
public:
    CShortcutDlg(uint8_t usage, uint8_t modifiers);

    // After OK: the HID usage taken (0 = none) and the KeyModifiers byte to
    // store. Otherwise the values the dialog was opened with.
    uint8_t Key() const { return Accepted() ? key_.usage : openedUsage_; }
    uint8_t Modifiers() const { return Accepted() ? modifiers_.Byte() : openedModifiers_; }

protected:
    const char* WindowCaption() const override { return "Shortcut Dialog"; }
    void PlaceDialogControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    void OnInitDialog() override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnDestroy() override;
    HWND InitialFocus() const override { return keyField_.Hwnd(); }

private:
    static constexpr int kKeyFieldKey = 4;
    static constexpr int kFirstModifierKey = 5;

    void ShowModifiers();
    void TakeModifier(int button);

    uint8_t openedUsage_;
    uint8_t openedModifiers_;
    KeyField key_;
    ModifierStates modifiers_;
    CSkinButton modifierButtons_[kModifierButtons];
    CBitmapEdit keyField_;
    KeyFieldCapture capture_;
};

} // namespace mervik::ui
