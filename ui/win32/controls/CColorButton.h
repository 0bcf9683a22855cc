#pragma once
// A button that shows a colour swatch over its face (LED colour choices).
#include "ui/win32/controls/COwnerDrawButton.h"

namespace mervik::ui {

class CColorButton : public COwnerDrawButton {
public:
    void SetColour(COLORREF colour);
    COLORREF Colour() const { return colour_; }
    void SetChecked(bool checked) { SetPressed(checked); }

protected:
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    // "#RRGGBB", for screen readers.
    std::string ShownValue() const override;

private:
    COLORREF colour_ = 0;
};

} // namespace mervik::ui
