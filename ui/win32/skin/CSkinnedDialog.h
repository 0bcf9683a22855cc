#pragma once
// A skinned window run modally: the owner is disabled while it runs, and
// Enter and Escape never end it; only its own buttons do (Escape means Cancel
// where a dialog says so). The keyboard reaches every control
// (DialogKeyboard). Those are OK,
// Cancel and the close button of the skin: OK ends it with IDOK, the other two
// with IDCANCEL. A window with buttons of its own (the main window) places its
// controls whole instead (PlaceControls).
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/skin/CSkinnedWindow.h"

namespace mervik::ui {

class CSkinnedDialog : public CSkinnedWindow {
public:
    using CSkinnedWindow::CSkinnedWindow;

    // What DoModal returns when the window could not be made; the user has
    // been told and the owner asked to close.
    static constexpr INT_PTR kSkinFailed = -1;

    // Creates, shows and runs the dialog until EndDialog; its result.
    INT_PTR DoModal(HWND owner);
    void EndDialog(INT_PTR result);
    bool Running() const { return running_; }
    // Ended by OK: what the dialog returns is what the user chose, otherwise
    // what it was opened with.
    bool Accepted() const { return accepted_; }

protected:
    // After the window and its controls exist, before it is shown.
    virtual void OnInitDialog() {}
    virtual DWORD WindowStyle() const { return WS_POPUP | WS_CLIPCHILDREN; }
    virtual DWORD WindowExStyle() const { return 0; }
    virtual const char* WindowCaption() const { return ""; }
    // A key message the dialog keeps from its controls, besides Enter and
    // Escape.
    virtual bool SwallowsKey(const MSG&) const { return false; }
    // Escape presses Cancel.
    virtual bool EscapeCancels() const { return false; }
    // The control with the focus once the dialog is up; none leaves it with
    // the window, so that no key presses a button before Tab chose one.
    virtual HWND InitialFocus() const { return nullptr; }
    HWND OkButton() const { return dialogButtons_[kOkButton].Hwnd(); }
    // After each message the loop dispatched: what the user's input or a
    // posted message changed is in place by then.
    virtual void AfterDispatch(const MSG&) {}
    LRESULT OnCreate() override;
    // Keeps the focused control across deactivation, as a dialog box does:
    // coming back to the window gives it back its focus.
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // However the window goes (a WM_CLOSE sent from another program
    // included), the modal loop ends with it.
    void OnDestroy() override;
    // The skin file to name when the window could not be made.
    virtual std::string FailedSkinFile() const { return SkinFileName(); }
    void CentreOnOwner();

    // The skin keys of OK, Cancel and the close button.
    struct ButtonKeys {
        int ok = 1;
        int cancel = 2;
        int close = 3;
    };
    virtual ButtonKeys DialogButtonKeys() const { return {}; }
    // The three buttons first, then the dialog's own controls, each told
    // there what it does.
    void PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) override;
    virtual void PlaceDialogControls(const SkinFile&, const SharedSkinImages&) {}
    // OK was pressed, before the dialog ends: take what the fields hold.
    virtual void OnOk() {}

private:
    enum { kOkButton, kCancelButton, kCloseButton, kDialogButtonCount };

    CSkinButton dialogButtons_[kDialogButtonCount];
    HWND lastFocus_ = nullptr;
    bool running_ = false;
    bool accepted_ = false;
    INT_PTR result_ = IDCANCEL;
};

// True for a key-down of Enter or Escape meant for `dialog` or one of its
// children that does not ask for such keys itself (an in-place editor does).
bool SwallowsDialogKey(HWND dialog, const MSG& msg);

} // namespace mervik::ui
