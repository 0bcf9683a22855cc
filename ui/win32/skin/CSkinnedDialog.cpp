#include "ui/win32/skin/CSkinnedDialog.h"

#include "ui/win32/controls/PlaceButton.h"
#include "ui/win32/keyboard/DialogKeyboard.h"
#include "ui/win32/keyboard/KeyboardCues.h"
#include "ui/win32/skin/SkinFailure.h"

namespace mervik::ui {
namespace {
constexpr char kDialogClass[] = "Mervik Skinned Dialog";
} // namespace

bool SwallowsDialogKey(HWND dialog, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE))
        return false;
    if (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd))
        return false;
    LRESULT wants =
        SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    return (wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) == 0;
}

LRESULT CSkinnedDialog::OnCreate() {
    return SetUpSkin() ? 0 : -1;
}

LRESULT CSkinnedDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_ACTIVATE)
        return CSkinnedWindow::OnMessage(msg, wp, lp);
    if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Hwnd(), focus))
            lastFocus_ = focus;
        return Default();
    }
    if (lastFocus_ && IsChild(Hwnd(), lastFocus_) && IsWindowVisible(lastFocus_) &&
        !HIWORD(wp)) { // not while minimised
        SetFocus(lastFocus_);
        return 0;
    }
    return Default();
}

void CSkinnedDialog::OnDestroy() {
    ForgetKeyboardCues(Hwnd());
    CSkinnedWindow::OnDestroy();
    if (running_) {
        running_ = false;
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0); // wake the loop
    }
}

void CSkinnedDialog::CentreOnOwner() {
    HWND owner = GetWindow(Hwnd(), GW_OWNER);
    RECT area, self;
    if (!owner || !GetWindowRect(owner, &area))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(Hwnd(), &self);
    int x = area.left + ((area.right - area.left) - (self.right - self.left)) / 2;
    int y = area.top + ((area.bottom - area.top) - (self.bottom - self.top)) / 2;
    SetWindowPos(Hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSkinnedDialog::PlaceControls(const SkinFile& skin, const SharedSkinImages& pictures) {
    const ButtonKeys keys = DialogButtonKeys();
    PlaceSkinButton(dialogButtons_[kOkButton], Hwnd(), skin, pictures, keys.ok);
    PlaceSkinButton(dialogButtons_[kCancelButton], Hwnd(), skin, pictures, keys.cancel);
    PlaceSkinButton(dialogButtons_[kCloseButton], Hwnd(), skin, pictures, keys.close);
    dialogButtons_[kOkButton].onClick = [this] {
        OnOk();
        accepted_ = true;
        EndDialog(IDOK);
    };
    dialogButtons_[kCancelButton].onClick = [this] { EndDialog(IDCANCEL); };
    dialogButtons_[kCloseButton].onClick = [this] { EndDialog(IDCANCEL); };
    PlaceDialogControls(skin, pictures);
}

void CSkinnedDialog::EndDialog(INT_PTR result) {
    result_ = result;
    running_ = false;
    PostMessageA(Hwnd(), WM_NULL, 0, 0); // wake the loop
}

INT_PTR CSkinnedDialog::DoModal(HWND owner) {
    if (!RegisterWindowClass(kDialogClass, CS_DBLCLKS, nullptr))
        return IDCANCEL;
    if (!Create(WindowExStyle(), kDialogClass, WindowCaption(), WindowStyle(), RECT{0, 0, 0, 0},
                owner)) {
        ReportSkinFailure(owner, FailedSkinFile());
        return kSkinFailed;
    }
    running_ = true;
    OnInitDialog();
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    // Opened from the keyboard, it shows the focus at once.
    if (owner && FocusRingShown(owner))
        ShowFocusRing(Hwnd());
    ShowWindow(Hwnd(), SW_SHOW);
    if (HWND first = InitialFocus()) {
        lastFocus_ = first;
        SetFocus(first);
    }
    UpdateWindow(Hwnd());

    DialogKeyboardOptions keyboard;
    keyboard.escapeCancels = EscapeCancels();
    keyboard.cancel = [this] { EndDialog(IDCANCEL); };
    MSG msg;
    while (running_ && Hwnd()) {
        // Wide: a character typed into a wide edit arrives whole (the ANSI
        // windows get it converted as before).
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (HandleDialogKeyboard(Hwnd(), msg, keyboard) || SwallowsDialogKey(Hwnd(), msg) ||
            SwallowsKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (running_ && Hwnd())
            AfterDispatch(msg);
    }
    running_ = false;
    if (ownerWasEnabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    Destroy();
    return result_;
}

} // namespace mervik::ui
