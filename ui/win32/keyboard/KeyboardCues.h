#pragma once
// Whether a window shows its keyboard cues: the focus ring, shown once the
// keyboard has moved the focus (a window used with the mouse alone looks as
// it always did), and the access keys' underlines, shown while Alt is held.
// Each top-level window keeps its own; its controls ask with their handles.
#include <windows.h>

#include <optional>

#include "ui/core/AccessKey.h"

namespace mervik::ui {

bool FocusRingShown(HWND control);
bool AccessKeysShown(HWND control);

// `window`'s top-level window shows the ring from now on.
void ShowFocusRing(HWND window);
// Shows or hides the underlines while Alt is held or let go; repaints the
// window's controls when that changes.
void ShowAccessKeys(HWND window, bool shown);
// The top-level window `window` is going: its state goes with it.
void ForgetKeyboardCues(HWND window);

// Draws the ring inside `bounds` (or inside `shape`, a control cut to a
// region), when `control` has the focus and its window shows the ring.
void DrawFocusRing(HDC dc, HWND control, const RECT& bounds, uint32_t rgb);
void DrawFocusRing(HDC dc, HWND control, HRGN shape, uint32_t rgb);
// Underlines `key`'s letter while Alt is held.
void DrawAccessKey(HDC dc, HWND control, const std::optional<AccessKey>& key);

} // namespace mervik::ui
