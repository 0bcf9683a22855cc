#include "ui/win32/keyboard/KeyboardCues.h"

#include <map>

#include "win32/Gdi.h"

namespace mervik::ui {
namespace {

struct Cues {
    bool ring = false;
    bool keys = false;
};

// One per top-level window of this thread's user interface.
std::map<HWND, Cues>& AllCues() {
    static std::map<HWND, Cues> cues;
    return cues;
}

HWND Root(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    return root ? root : window;
}

Cues CuesOf(HWND control) {
    const auto found = AllCues().find(Root(control));
    return found == AllCues().end() ? Cues{} : found->second;
}

COLORREF FromRgb(uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

constexpr int kRingWidth = 2;

} // namespace

bool FocusRingShown(HWND control) {
    return CuesOf(control).ring;
}

bool AccessKeysShown(HWND control) {
    return CuesOf(control).keys;
}

void ShowFocusRing(HWND window) {
    HWND root = Root(window);
    Cues& cues = AllCues()[root];
    if (cues.ring)
        return;
    cues.ring = true;
    if (HWND focus = GetFocus(); focus && (focus == root || IsChild(root, focus)))
        InvalidateRect(focus, nullptr, FALSE);
}

void ShowAccessKeys(HWND window, bool shown) {
    HWND root = Root(window);
    Cues& cues = AllCues()[root];
    if (cues.keys == shown)
        return;
    cues.keys = shown;
    RedrawWindow(root, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void ForgetKeyboardCues(HWND window) {
    AllCues().erase(window);
}

void DrawFocusRing(HDC dc, HWND control, const RECT& bounds, uint32_t rgb) {
    if (GetFocus() != control || !FocusRingShown(control))
        return;
    Brush brush(CreateSolidBrush(FromRgb(rgb)));
    RECT ring = bounds;
    for (int i = 0; i < kRingWidth; ++i) {
        FrameRect(dc, &ring, brush.get());
        InflateRect(&ring, -1, -1);
    }
}

void DrawFocusRing(HDC dc, HWND control, HRGN shape, uint32_t rgb) {
    if (GetFocus() != control || !FocusRingShown(control))
        return;
    Brush brush(CreateSolidBrush(FromRgb(rgb)));
    // FrameRgn draws inside the region, so the ring stays within the shape.
    FrameRgn(dc, shape, brush.get(), kRingWidth, kRingWidth);
}

void DrawAccessKey(HDC dc, HWND control, const std::optional<AccessKey>& key) {
    if (!key || !AccessKeysShown(control))
        return;
    Brush brush(CreateSolidBrush(FromRgb(key->rgb)));
    RECT line{key->left, key->top, key->left + key->width, key->top + 1};
    FillRect(dc, &line, brush.get());
}

} // namespace mervik::ui
