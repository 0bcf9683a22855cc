#pragma once
// What the user sees when a skin cannot make its window (its picture is
// missing, damaged or too large): a message naming the skin file instead of
// an invisible window, and the program ends cleanly.
#include <windows.h>

#include <string>

namespace mervik::ui {

// Shows the message, owned by `owner`'s top-level window when there is one,
// and asks that window to close (which ends the program through its own
// close path).
void ReportSkinFailure(HWND owner, const std::string& skinFile);

} // namespace mervik::ui
