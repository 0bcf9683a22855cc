#pragma once
// The keyboard of Option's windows, which run their own message loops
// without a dialog manager: Tab and Shift+Tab in reading order, Space and
// Enter on buttons, F4 and Alt+Down on menu buttons, the arrows within a
// group, Alt+letter for access keys (underlined while Alt is held), and
// Escape for windows that end on it. What to do is ui/core's ActionForKey;
// this only finds the controls and moves the focus.
#include <windows.h>

#include <functional>
#include <vector>

namespace mervik::ui {

struct DialogKeyboardOptions {
    // Escape runs `cancel` (the warnings); elsewhere it changes nothing.
    bool escapeCancels = false;
    std::function<void()> cancel;
};

// Called by the loop before `msg` is translated and dispatched: true when
// the keyboard rule took it, so nobody else gets it.
bool HandleDialogKeyboard(HWND dialog, const MSG& msg, const DialogKeyboardOptions& options);

// Moves the focus to the next (or previous) tab stop of `dialog`, as Tab
// (Shift+Tab) does.
void MoveFocus(HWND dialog, bool backwards);

// The controls Tab reaches in `dialog`, in reading order: visible, enabled,
// with the tab-stop style, in any of its pages that are shown.
std::vector<HWND> TabStops(HWND dialog);

// The rows of choices the arrow keys move along; a window that has some
// (a page, the main window) answers with them.
class ArrowGroupOwner {
public:
    virtual std::vector<std::vector<HWND>> ArrowGroups() const = 0;

protected:
    ~ArrowGroupOwner() = default;
};

} // namespace mervik::ui
