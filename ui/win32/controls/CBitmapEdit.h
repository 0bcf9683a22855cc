#pragma once
// A single-line edit in the skin's colours that reports every change,
// however it came (typing, Delete, cut, paste, undo, a program's
// SetWindowText); optionally digits only, optionally limited in length.
#include <functional>
#include <string>

#include "ui/win32/access/AccessibleControl.h"
#include "ui/win32/controls/CWindow.h"
#include "win32/Gdi.h"

namespace mervik::ui {

class CBitmapEdit : public CWindow, public AccessibleControl {
public:
    bool Create(HWND parent, const RECT& rect);

    void SetDigitsOnly(bool on) { digitsOnly_ = on; }
    void SetAllowSign(bool on) { allowSign_ = on; }
    // Before Create: the text stands in the middle of the field.
    void SetCentred(bool on) { centred_ = on; }
    // Only the program sets the text (a key field: keys are captured, not typed).
    void SetReadOnly(bool on);
    void SetColours(COLORREF text, COLORREF background);
    // "Arial" of this height and width at 100 %.
    static constexpr int kFontHeight = 14;
    static constexpr int kFontWidth = 6;
    void SetFontSize(int height, int width);
    // The font above at the skin's scale.
    void SetFontScale(int scalePercent);
    // At most `characters` characters can be typed or pasted; 0 for no limit.
    void SetLimit(int characters);
    std::string Text() const;
    // Shows `text`, reported like any change.
    void SetText(const std::string& text);

    // From the queue: after each change of the text, and when the field
    // loses the focus (where a typed value settles).
    std::function<void()> onChange;
    // From the queue: Enter was pressed in the field.
    std::function<void()> onEnter;
    // The field gets or loses the focus, as it happens.
    std::function<void()> onFocusChange;
    // As it happens: Up (+1) or Down (-1) pressed in the field. Unset, the
    // keys do what an edit does with them.
    std::function<void(int step)> onStep;

    // What a screen reader calls the field (the skin's label of its place).
    void SetLabel(std::string label) { label_ = std::move(label); }
    AccessibleFacts Describe() const override;

    // The characters a digits-only edit keeps; everything else is dropped.
    static std::string FilterDigits(const std::string& text, bool allowSign);

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT OnKillFocus(HWND) override;
    LRESULT OnKeyDown(UINT key) override;
    LRESULT OnKeyUp(UINT key) override;
    LRESULT OnMouseMove(UINT, POINT) override;
    LRESULT OnMouseLeave() override;
    LRESULT OnEraseBkgnd(HDC) override { return 1; }
    HBRUSH OnCtlColor(HDC dc) override;
    bool OnReflectedCommand(WORD code) override;

private:
    void OnTextChanged();
    bool AcceptsKey(UINT key) const;
    bool AcceptsChar(char c) const;

    COLORREF text_ = 0x242424;
    COLORREF background_ = 0xFFFFFF;
    Brush brush_;
    Font font_;
    int fontHeight_ = kFontHeight;
    int fontWidth_ = kFontWidth;
    bool digitsOnly_ = false;
    bool allowSign_ = false;
    bool centred_ = false;
    bool readOnly_ = false;
    bool tracking_ = false;
    bool filtering_ = false;
    int limit_ = 0;
    std::string label_;
};

} // namespace mervik::ui
