#pragma once
// A number field with an up and a down arrow. The arrows (and the Up and
// Down keys in the field) step by one within the range; a typed number is held to the range when
// Enter is pressed or the field loses the focus. Each change of the number is reported.
#include <functional>

#include "ui/core/SpinRange.h"
#include "ui/win32/controls/CBitmapEdit.h"
#include "ui/win32/controls/CSkinButton.h"
#include "ui/win32/skin/SkinImages.h"

namespace mervik::ui {

class CSpinField : public CWindow {
public:
    static constexpr char kClassName[] = "Mervik Spin";
    // At the skin's own size: the arrows' width, and the edit's distance from
    // the field's edges.
    static constexpr int kArrowWidth = 16;
    static constexpr int kEditInset = 3;

    // At `rect` of `parent`; the arrows take their faces from the right edge
    // of that rectangle in the parent's pictures.
    bool Create(HWND parent, const RECT& rect, const SharedSkinImages& pictures, SpinRange range);
    // Shows `value` without reporting it.
    void SetValue(int value);
    int Value() const { return value_; }
    // Settles a typed number as leaving the field does, reported before this
    // returns: Apply and OK take no focus, so the field may still have it.
    void Commit();
    void SetTooltip(const std::string& text);
    CBitmapEdit& Edit() { return edit_; }

    // The number the user settled on, from the queue; a value shown by the
    // program is not reported.
    std::function<void(int value)> onChange;

protected:
    LRESULT OnEraseBkgnd(HDC) override { return 1; }
    // The field's frame around the edit, from the skin's picture.
    bool PaintsItself() const override { return true; }
    void OnPaint(HDC dc, const PAINTSTRUCT&) override { face_.Draw(dc, Face::Normal, 0, 0); }

private:
    void Change(int value);
    void SettleTyped();

    CBitmapEdit edit_;
    CSkinButton up_;
    CSkinButton down_;
    ButtonFaces face_;
    SpinRange range_;
    int value_ = 0;
    bool showing_ = false;
    bool reportAtOnce_ = false;
};

} // namespace mervik::ui
