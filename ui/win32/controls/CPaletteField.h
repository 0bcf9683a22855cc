#pragma once
// The colour picker's palette for the keyboard: a control over the palette
// picture that Tab reaches, whose arrow keys (Ctrl for a stride), Home, End
// and the Page keys move a small cross over the palette, each move picking
// the colour under it. The pointer passes through it to the dialog, which
// picks by clicks as before.
#include <functional>
#include <string>

#include "ui/core/AccessKey.h"
#include "ui/core/PalettePick.h"
#include "ui/win32/access/AccessibleControl.h"
#include "ui/win32/controls/CWindow.h"
#include "ui/win32/keyboard/KeyboardControl.h"

namespace mervik::ui {

class CPaletteField : public CWindow, public KeyboardControl, public AccessibleControl {
public:
    static constexpr char kClassName[] = "Mervik Palette";

    // Over `palette` (the parent's coordinates), showing that part of
    // `picture`, the parent's whole background.
    bool Create(HWND parent, const PixelRect& palette, HBITMAP picture);
    void SetFocusLook(const FocusLook& look) { focus_ = look; }
    void SetLabel(std::string label) { label_ = std::move(label); }
    // The colour picked, as a screen reader reads it.
    void SetValueText(std::string text) { value_ = std::move(text); }

    // A point the keys moved to, in the parent's coordinates.
    std::function<void(POINT)> onPick;

    FocusKind KeyboardKind() const override { return FocusKind::Field; }
    AccessibleFacts Describe() const override;

protected:
    bool PaintsItself() const override { return true; }
    void OnPaint(HDC dc, const PAINTSTRUCT&) override;
    LRESULT OnEraseBkgnd(HDC) override { return 1; }
    LRESULT OnKeyDown(UINT key) override;
    LRESULT OnKillFocus(HWND) override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    PixelRect palette_;
    HBITMAP picture_ = nullptr; // the parent's, which outlives this control
    PalettePoint point_;        // the parent's coordinates
    bool moved_ = false;        // the cross shows once the keys moved it
    FocusLook focus_;
    std::string label_;
    std::string value_;
};

} // namespace mervik::ui
