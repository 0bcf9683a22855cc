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
// Both cues are as thick as the skin's scale makes them (CueThickness).
void DrawFocusRing(HDC dc, HWND control, const RECT& bounds, const FocusLook& look);
void DrawFocusRing(HDC dc, HWND control, HRGN shape, const FocusLook& look);
// Underlines `key`'s letter while Alt is held, in a skin drawn at `scalePercent`.
void DrawAccessKey(HDC dc, HWND control, const std::optional<AccessKey>& key, int scalePercent);

} // namespace mervik::ui
