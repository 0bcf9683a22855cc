#pragma once
// Tells whoever waits for it (the start-up benchmark) that Option's main
// window is on the screen for the first time: a named event that the waiter
// creates and Option only sets. Without a waiter it costs one failed open.

namespace mervik::ui {

inline constexpr char kFirstPaintEventName[] = "Mervik Option first paint";

void SignalFirstPaint();

} // namespace mervik::ui
