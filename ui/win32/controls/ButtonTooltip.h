#pragma once
// A control's tooltip, made the first time the pointer reaches the control,
// and shown beside it where it covers nothing in use (ui/core/TipPlacement):
// not the control, not a menu open, not the field being typed into.
// A tooltip is a window of its own: making one for each of the hundred-odd
// buttons at start-up cost Option more than everything else it builds, and
// most of them are never shown.
#include <windows.h>

#include <string>

namespace mervik::ui {

class ButtonTooltip {
public:
    ButtonTooltip() = default;
    ButtonTooltip(const ButtonTooltip&) = delete;
    ButtonTooltip& operator=(const ButtonTooltip&) = delete;

    // `text` in UTF-8.
    void Set(HWND control, const std::string& text, bool active);
    // Call for each mouse move over the control; the first one makes the
    // tooltip, its text in the skin's font at the control's `scalePercent`,
    // and hands it that move, so it starts its wait at once.
    void OnMouseMove(HWND control, WPARAM keys, LPARAM point, int scalePercent);
    HWND Window() const { return window_; }

    // Hides the tips of this thread shown now: a menu about to open may
    // open where one stands (one shown while it is open takes a place clear
    // of it).
    static void HideShownTips();

private:
    void Make(HWND control, int scalePercent);
    void Update(HWND control);

    std::string shown_; // UTF-8, which chooses the font's face
    std::wstring text_;
    bool active_ = false;
    HWND window_ = nullptr; // destroyed with the control, its owner
};

} // namespace mervik::ui
