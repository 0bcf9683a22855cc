#pragma once
// Monitor and the setup program find Option by the caption they have always
// known, the bytes of a Chinese title matched with FindWindowA, and send or
// post it their messages. Read in any other code page those bytes are
// nonsense, and the taskbar and Alt+Tab would show them. So the window the
// user sees carries a readable title, and this hidden window, owned by it,
// carries the old caption and hands every message a peer posts on to its
// owner (peers only post: Monitor and the setup program alike).
#include <windows.h>

#include "win32/Window.h"

namespace mervik {

class PeerWindow final : public win::Window {
public:
    // False when the window could not be made: peers then cannot find Option.
    bool Create(HWND owner);

private:
    LRESULT WindowProcedure(UINT msg, WPARAM wp, LPARAM lp) override;

    HWND owner_ = nullptr;
};

} // namespace mervik
