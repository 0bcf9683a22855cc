#include "ui/win32/controls/CSkinButton.h"

#include "ui/core/DisplayScale.h"
#include "ui/win32/controls/SkinTextFont.h"

#include <algorithm>
#include <cstring>

namespace mervik::ui {
namespace {
constexpr int kCaptionX = 5;
// A disabled button's caption sits back like its face.
constexpr COLORREF kDisabledCaption = RGB(120, 134, 148);

} // namespace

void CSkinButton::SetCaption(const std::string& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Repaint();
}

LRESULT CSkinButton::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // The window text is the caption, answered here: storing it in the
    // window too would cost a round trip to the window server and a repaint
    // per caption, and a page shows seventy of them at once.
    if (msg == WM_GETTEXTLENGTH)
        return static_cast<LRESULT>(caption_.size());
    if (msg == WM_GETTEXT) {
        auto* out = reinterpret_cast<char*>(lp);
        if (!out || wp == 0)
            return 0;
        const size_t n = std::min(caption_.size(), static_cast<size_t>(wp) - 1);
        memcpy(out, caption_.data(), n);
        out[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    return COwnerDrawButton::OnMessage(msg, wp, lp);
}

void CSkinButton::DrawCaption(HDC dc, const RECT& rect, bool disabled) const {
    SelectGuard select(dc, SkinTextFont(SkinScale()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? kDisabledCaption : RGB(255, 255, 255));
    RECT text = rect;
    const int captionX = ScaleLength(kCaptionX, SkinScale());
    text.left += captionX;
    if (centred_)
        text.right -= captionX;
    text.right -= rightInset_;
    const UINT align =
        (centred_ ? DT_CENTER : DT_LEFT) | (centred_ || rightInset_ > 0 ? DT_END_ELLIPSIS : 0);
    DrawTextA(dc, caption_.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
}

void CSkinButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    Face face = SkinButtonFace(StateFor(item));
    if (caption_.empty()) {
        DrawFace(item.hDC, face);
        DrawKeyboardCues(item.hDC, item.rcItem);
        return;
    }
    const RECT& rect = item.rcItem;
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    Bitmap canvas(CreateCompatibleBitmap(item.hDC, w, h));
    MemoryDC memory(item.hDC);
    SelectGuard select(memory.get(), canvas.get());
    DrawFace(memory.get(), face);
    DrawCaption(memory.get(), RECT{0, 0, w, h}, (item.itemState & ODS_DISABLED) != 0);
    DrawKeyboardCues(memory.get(), RECT{0, 0, w, h});
    BitBlt(item.hDC, 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

} // namespace mervik::ui
