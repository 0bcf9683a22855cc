#include "ui/win32/main/PeerWindow.h"

#include "contract/ProgramMessages.h"

namespace mervik {

namespace {

constexpr char kClassName[] = "MervikOptionPeer";

// Peers speak in window-private numbers and close the program with WM_CLOSE.
// Registered messages (0xC000 up) are the window's own, such as its queued
// calls, and stay here.
bool FromPeer(UINT msg) {
    return msg == WM_CLOSE || (msg >= WM_USER && msg < 0xC000);
}

} // namespace

bool PeerWindow::Create(HWND owner) {
    owner_ = owner;
    if (!RegisterWindowClass(kClassName, 0, nullptr))
        return false;
    // A popup owned by the main window: top-level, so FindWindowA finds it,
    // never shown, and never on the taskbar.
    return win::Window::Create(0, kClassName, kOptionCaption, WS_POPUP, RECT{}, owner);
}

LRESULT PeerWindow::WindowProcedure(UINT msg, WPARAM wp, LPARAM lp) {
    // Passed on in the order they came, through the owner's queue: a close
    // handled here, inside this window's own procedure, would destroy it
    // under its feet.
    if (FromPeer(msg) && IsWindow(owner_)) {
        PostMessageA(owner_, msg, wp, lp);
        return 0;
    }
    return Default();
}

} // namespace mervik
