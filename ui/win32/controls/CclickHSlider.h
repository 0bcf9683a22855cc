#pragma once
// The slider's track: a click anywhere on it jumps there; it owns the thumb
// and reports the thumb's values as its own. The class keeps its old name:
// CclickHSlider is the track, CPHSlider the thumb.
#include <functional>
#include <string>

#include "ui/win32/controls/CPHSlider.h"

namespace mervik::ui {

class CclickHSlider : public CWindow {
public:
    static constexpr char kClassName[] = "Mervik Slider";

    // Fails when the thumb picture cannot be loaded.
    bool Create(const std::string& thumbFile, const RECT& rect, HWND parent);
    void SetRange(int minimum, int maximum);
    void SetSnap(bool snap);
    void SetPosition(int value);
    // Cuts the track's background out of a full-window picture.
    void SetBackground(HBITMAP fullImage);
    CPHSlider& Thumb() { return thumb_; }

    // Each value the user gives it, by a click or with the thumb, from the
    // queue after the input; a value set by the program is not reported.
    std::function<void(int value)> onChange;

protected:
    bool PaintsItself() const override { return true; }
    void OnPaint(HDC dc, const PAINTSTRUCT&) override { DrawBitmap(dc, background_.get(), 0, 0); }
    LRESULT OnEraseBkgnd(HDC) override { return 1; }
    LRESULT OnLButtonUp(UINT, POINT pt) override;
    LRESULT OnMouseMove(UINT, POINT) override;
    LRESULT OnMouseLeave() override;

private:
    CPHSlider thumb_;
    Bitmap background_;
    RECT rect_{};
    SliderRange range_;
    bool tracking_ = false;
};

} // namespace mervik::ui
