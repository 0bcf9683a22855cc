#pragma once
// The dialogs page 1 asks for a button's data: a key combination, a fire key
// with its count and interval, an LED colour. Each returns true on OK with
// the answer in its arguments, false (arguments untouched) otherwise.
#include <windows.h>

#include <cstdint>

namespace mervik::ui {

bool AskShortcut(HWND owner, uint8_t& usage, uint8_t& modifiers);
bool AskFire(HWND owner, int& count, int& interval, uint8_t& usage);
bool AskColour(HWND owner, COLORREF& colour);

} // namespace mervik::ui
