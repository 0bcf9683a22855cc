#include "ui/win32/controls/CPHSlider.h"

#include <cstdio>
#include <optional>

#include "ui/win32/keyboard/KeyboardCues.h"

namespace mervik::ui {
namespace {

std::optional<SliderKey> SliderKeyOf(UINT key) {
    switch (key) {
    case VK_LEFT:
    case VK_DOWN:
        return SliderKey::StepDown;
    case VK_RIGHT:
    case VK_UP:
        return SliderKey::StepUp;
    case VK_NEXT:
        return SliderKey::PageDown;
    case VK_PRIOR:
        return SliderKey::PageUp;
    case VK_HOME:
        return SliderKey::Minimum;
    case VK_END:
        return SliderKey::Maximum;
    default:
        return std::nullopt;
    }
}

} // namespace

bool CPHSlider::Create(HWND track, Bitmap image, int trackWidth, const SliderRange& range) {
    if (!RegisterWindowClass(kClassName, 0, nullptr))
        return false;
    SIZE size = BitmapSize(image.get());
    image_ = std::move(image);
    width_ = size.cx;
    height_ = size.cy;
    trackWidth_ = trackWidth;
    range_ = range;
    if (!CWindow::Create(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                         RECT{0, 0, width_, height_}, track))
        return false;
    MoveTo(range_.minimum);
    return true;
}

int CPHSlider::Left() const {
    RECT rect;
    GetWindowRect(Hwnd(), &rect);
    MapWindowPoints(nullptr, GetParent(Hwnd()), reinterpret_cast<POINT*>(&rect), 2);
    return rect.left;
}

void CPHSlider::MoveLeft(int left) {
    SetWindowPos(Hwnd(), nullptr, left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CPHSlider::MoveTo(int value) {
    value_ = value;
    MoveLeft(ThumbLeftForValue(range_, value, trackWidth_, width_));
}

int CPHSlider::Report(const char* trace) {
    value_ = ThumbValue(range_, Left(), trackWidth_, width_);
    if (trace) {
        char line[64];
        snprintf(line, sizeof line, trace, static_cast<double>(value_));
        OutputDebugStringA(line);
    }
    PostReport(onChange, value_);
    return value_;
}

LRESULT CPHSlider::OnLButtonDown(UINT, POINT pt) {
    if (!draggable_)
        return 0;
    dragging_ = true;
    press_ = pt;
    SetCapture(Hwnd());
    return 0;
}

LRESULT CPHSlider::OnMouseMove(UINT, POINT pt) {
    if (!dragging_)
        return 0;
    MoveLeft(DraggedThumbLeft(Left(), pt.x - press_.x, trackWidth_, width_));
    Report(nullptr);
    return 0;
}

LRESULT CPHSlider::OnLButtonUp(UINT, POINT) {
    if (!dragging_)
        return 0;
    dragging_ = false;
    ReleaseCapture();
    int value = Report("CPHSlider=%f\n");
    if (range_.snap)
        MoveLeft(ThumbLeftForValue(range_, value, trackWidth_, width_));
    return 0;
}

void CPHSlider::OnPaint(HDC dc, const PAINTSTRUCT&) {
    DrawBitmap(dc, image_.get(), 0, 0);
    DrawFocusRing(dc, Hwnd(), RECT{0, 0, width_, height_}, focus_);
}

LRESULT CPHSlider::OnKeyDown(UINT key) {
    const std::optional<SliderKey> move = SliderKeyOf(key);
    if (!move || !draggable_ || dragging_)
        return Default();
    const int value = KeyedSliderValue(range_, value_, *move);
    if (value != value_) {
        MoveTo(value);
        PostReport(onChange, value_);
    }
    return 0;
}

// The ring comes and goes with the focus.
LRESULT CPHSlider::OnKillFocus(HWND) {
    InvalidateRect(Hwnd(), nullptr, FALSE);
    return Default();
}

LRESULT CPHSlider::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SETFOCUS)
        InvalidateRect(Hwnd(), nullptr, FALSE);
    if (msg == WM_GETDLGCODE)
        return DLGC_WANTARROWS;
    return CWindow::OnMessage(msg, wp, lp);
}

} // namespace mervik::ui
