#include "ui/win32/main/CStatusArea.h"

#include <algorithm>
#include <cstring>

#include "ui/core/DisplayScale.h"
#include "ui/win32/controls/PlaceButton.h"
#include "ui/win32/controls/SkinTextFont.h"
#include "win32/Gdi.h"

namespace mervik::ui {

namespace {

constexpr char kClassName[] = "MervikStatusArea";
constexpr int kTextInset = 10;
constexpr int kBarHeight = 4;

// Trouble reads at a glance: red when the mouse lacks the settings for good,
// amber while it may still get them or is away.
COLORREF TextColour(StatusKind kind) {
    switch (kind) {
    case StatusKind::NotSent:
        return RGB(255, 120, 110);
    case StatusKind::Retrying:
    case StatusKind::NoMouse:
    case StatusKind::NoService:
        return RGB(255, 196, 90);
    case StatusKind::InMouse:
        return RGB(150, 220, 160);
    default:
        return RGB(232, 238, 244);
    }
}

} // namespace

void CStatusArea::Create(HWND parent, const DeferredControls& places, int areaKey, int retryKey) {
    const ButtonPos& area = places.Place(areaKey);
    if (!area.rect.IsEmpty() && RegisterWindowClass(kClassName, 0, nullptr)) {
        const RECT rect = ToRect(area.rect);
        if (CWindow::Create(0, kClassName, "", WS_CHILD | WS_VISIBLE, rect, parent))
            background_ = ButtonFaces(places.Pictures(), rect);
    }
    const ButtonPos& retry = places.Place(retryKey);
    if (!retry.rect.IsEmpty() && PlaceSkinButton(retry_, parent, retry, places.Pictures())) {
        retry_.SetCaptionCentred(true);
        retry_.onClick = [this] {
            if (onRetry)
                onRetry();
        };
        EnableWindow(retry_.Hwnd(), FALSE);
    }
}

void CStatusArea::Show(const StatusView& view, const std::string& text,
                       const std::string& retryCaption) {
    if (retry_.Hwnd()) {
        retry_.SetCaption(retryCaption);
        if ((IsWindowEnabled(retry_.Hwnd()) != FALSE) != view.retry)
            EnableWindow(retry_.Hwnd(), view.retry);
    }
    if (view == view_ && text == text_)
        return;
    view_ = view;
    text_ = text;
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CStatusArea::DestroyAll() {
    retry_.Destroy();
    Destroy();
}

// The text is answered here, not stored in the window: it changes with every
// step of an upload.
LRESULT CStatusArea::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_GETTEXTLENGTH)
        return static_cast<LRESULT>(text_.size());
    if (msg == WM_GETTEXT) {
        auto* out = reinterpret_cast<char*>(lp);
        if (!out || wp == 0)
            return 0;
        const size_t n = std::min(text_.size(), static_cast<size_t>(wp) - 1);
        std::memcpy(out, text_.data(), n);
        out[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    return CWindow::OnMessage(msg, wp, lp);
}

void CStatusArea::OnPaint(HDC dc, const PAINTSTRUCT&) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int w = client.right, h = client.bottom;
    Bitmap canvas(CreateCompatibleBitmap(dc, w, h));
    MemoryDC memory(dc);
    SelectGuard selectCanvas(memory.get(), canvas.get());
    background_.Draw(memory.get(), Face::Normal, 0, 0);
    const int scale = background_.ScalePercent();
    const int inset = ScaleLength(kTextInset, scale);
    RECT text{inset, 0, w - inset, h};
    if (view_.percent >= 0) {
        const int barWidth = w - 2 * inset;
        const int below = ScaleLength(3, scale);
        RECT track{inset, h - ScaleLength(kBarHeight, scale) - below, inset + barWidth, h - below};
        Brush trackBrush(CreateSolidBrush(RGB(30, 60, 86)));
        FillRect(memory.get(), &track, trackBrush.get());
        RECT done = track;
        done.right = track.left + barWidth * std::clamp(view_.percent, 0, 100) / 100;
        Brush doneBrush(CreateSolidBrush(RGB(52, 164, 240)));
        FillRect(memory.get(), &done, doneBrush.get());
        text.bottom = track.top;
    }
    SelectGuard selectFont(memory.get(), SkinTextFont(scale));
    SetBkMode(memory.get(), TRANSPARENT);
    SetTextColor(memory.get(), TextColour(view_.kind));
    DrawTextA(memory.get(), text_.c_str(), -1, &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    BitBlt(dc, 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

} // namespace mervik::ui
