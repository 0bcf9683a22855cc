#include "ui/win32/keyboard/KeyboardCues.h"

#include <map>

#include "ui/core/DisplayScale.h"
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

void DrawFocusRing(HDC dc, HWND control, const RECT& bounds, const FocusLook& look) {
    if (GetFocus() != control || !FocusRingShown(control))
        return;
    Brush brush(CreateSolidBrush(FromRgb(look.rgb)));
    RECT ring = bounds;
    for (int i = CueThickness(look.scalePercent); i > 0; --i) {
        FrameRect(dc, &ring, brush.get());
        InflateRect(&ring, -1, -1);
    }
}

void DrawFocusRing(HDC dc, HWND control, HRGN shape, const FocusLook& look) {
    if (GetFocus() != control || !FocusRingShown(control))
        return;
    Brush brush(CreateSolidBrush(FromRgb(look.rgb)));
    // FrameRgn draws inside the region, so the ring stays within the shape.
    const int thickness = CueThickness(look.scalePercent);
    FrameRgn(dc, shape, brush.get(), thickness, thickness);
}

void DrawAccessKey(HDC dc, HWND control, const std::optional<AccessKey>& key, int scalePercent) {
    if (!key || !AccessKeysShown(control))
        return;
    Brush brush(CreateSolidBrush(FromRgb(key->rgb)));
    RECT line{key->left, key->top, key->left + key->width, key->top + CueThickness(scalePercent)};
    FillRect(dc, &line, brush.get());
}

} // namespace mervik::ui
