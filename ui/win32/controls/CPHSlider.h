#pragma once
// The slider's thumb: a picture the user drags along its track. The class
// keeps its old name: CPHSlider is the thumb, CclickHSlider the track.
#include <functional>
#include <string>

#include "ui/core/AccessKey.h"
#include "ui/core/SliderMath.h"
#include "ui/win32/access/AccessibleControl.h"
#include "ui/win32/controls/CWindow.h"
#include "ui/win32/keyboard/KeyboardControl.h"
#include "win32/Gdi.h"

namespace mervik::ui {

class CPHSlider : public CWindow, public KeyboardControl, public AccessibleControl {
public:
    static constexpr char kClassName[] = "Mervik Slider Thumb";

    // Inside `track`, sized to `image`, at the range's minimum.
    bool Create(HWND track, Bitmap image, int trackWidth, const SliderRange& range);
    void SetRange(const SliderRange& range) { range_ = range; }
    void SetDraggable(bool draggable) { draggable_ = draggable; }
    // Puts the thumb on `value` without reporting it.
    void MoveTo(int value);

    // The value under the thumb while it is dragged and where it was let go,
    // from the queue after the move.
    std::function<void(int value)> onChange;

    // The arrows, Home, End and the Page keys move it; it takes them itself.
    FocusKind KeyboardKind() const override { return FocusKind::Field; }
    int Value() const { return value_; }
    const SliderRange& Range() const { return range_; }
    void SetFocusLook(const FocusLook& look) { focus_ = look; }
    void SetLabel(std::string label) { label_ = std::move(label); }
    // A slider named by its label, its value the number it stands on.
    AccessibleFacts Describe() const override {
        AccessibleFacts facts;
        facts.role = AccessibleRole::Slider;
        facts.name = label_;
        facts.value = std::to_string(value_);
        return facts;
    }

protected:
    bool PaintsItself() const override { return true; }
    void OnPaint(HDC dc, const PAINTSTRUCT&) override;
    LRESULT OnEraseBkgnd(HDC) override { return 1; }
    LRESULT OnLButtonDown(UINT, POINT pt) override;
    LRESULT OnMouseMove(UINT, POINT pt) override;
    LRESULT OnLButtonUp(UINT, POINT pt) override;
    LRESULT OnKeyDown(UINT key) override;
    LRESULT OnKillFocus(HWND) override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    int Left() const;
    void MoveLeft(int left);
    int Report(const char* trace);

    Bitmap image_;
    SliderRange range_;
    int trackWidth_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool draggable_ = true;
    bool dragging_ = false;
    POINT press_{};
    int value_ = 0;
    FocusLook focus_;
    std::string label_;
};

} // namespace mervik::ui
