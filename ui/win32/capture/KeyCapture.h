#pragma once
// The keyboard capture behind macro recording and the key dialogs: a
// system-wide low-level keyboard hook that hands every key to one window as
// message 1034 and lets no other program see it. One capture at a time in
// the process.
#include <windows.h>

namespace mervik::ui {

// wParam the virtual-key code, lParam 0x80 for a release and 0 for a press.
constexpr UINT kMsgCapturedKey = WM_USER + 10;
constexpr LPARAM kCapturedKeyUp = 0x80;

// Captures the keyboard for `target`. False when the hook cannot be set or
// another window holds the capture (the capture stays theirs).
bool InstallKeyHook(HWND target);
// Ends the capture, whoever holds it.
void RemoveKeyHook();
// Ends the capture if `target` holds it; what a window does on its way out.
void RemoveKeyHookOf(HWND target);
bool KeyCaptureActive();
HWND KeyCaptureTarget();

} // namespace mervik::ui
