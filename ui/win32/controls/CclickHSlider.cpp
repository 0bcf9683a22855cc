#include "ui/win32/controls/CclickHSlider.h"

#include <cstdio>

#include "ui/win32/skin/PictureLoader.h"

namespace mervik::ui {

bool CclickHSlider::Create(const std::string& thumbFile, const RECT& rect, HWND parent) {
    Bitmap thumb = LoadPicture(thumbFile);
    if (!thumb || !RegisterWindowClass(kClassName, 0, nullptr))
        return false;
    rect_ = rect;
    if (!CWindow::Create(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent))
        return false;
    thumb_.onChange = [this](int value) {
        if (onChange)
            onChange(value);
    };
    return thumb_.Create(Hwnd(), std::move(thumb), rect.right - rect.left, range_);
}

void CclickHSlider::SetRange(int minimum, int maximum) {
    range_.minimum = minimum;
    range_.maximum = maximum;
    thumb_.SetRange(range_);
}

void CclickHSlider::SetSnap(bool snap) {
    range_.snap = snap;
    thumb_.SetRange(range_);
}

void CclickHSlider::SetPosition(int value) {
    thumb_.MoveTo(value);
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CclickHSlider::SetBackground(HBITMAP fullImage) {
    background_ = CutBitmap(fullImage, rect_);
}

LRESULT CclickHSlider::OnLButtonUp(UINT, POINT pt) {
    int x = pt.x + rect_.left; // in the parent's coordinates, like the track's rectangle
    int value = TrackClickValue(range_, x, rect_.left, rect_.right);
    char line[64];
    snprintf(line, sizeof line, "CclickHSlider=%f\n", static_cast<double>(value));
    OutputDebugStringA(line);
    thumb_.MoveTo(value);
    PostReport(onChange, value);
    return 0;
}

LRESULT CclickHSlider::OnMouseMove(UINT, POINT) {
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Hwnd(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    return 0;
}

LRESULT CclickHSlider::OnMouseLeave() {
    tracking_ = false;
    return 0;
}

} // namespace mervik::ui
