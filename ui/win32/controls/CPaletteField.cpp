#include "ui/win32/controls/CPaletteField.h"

#include <optional>

#include "ui/win32/keyboard/KeyboardCues.h"
#include "win32/Gdi.h"

namespace mervik::ui {
namespace {

std::optional<PaletteMove> MoveOf(UINT key) {
    switch (key) {
    case VK_LEFT:
        return PaletteMove::Left;
    case VK_RIGHT:
        return PaletteMove::Right;
    case VK_UP:
        return PaletteMove::Up;
    case VK_DOWN:
        return PaletteMove::Down;
    case VK_HOME:
        return PaletteMove::RowStart;
    case VK_END:
        return PaletteMove::RowEnd;
    case VK_PRIOR:
        return PaletteMove::Top;
    case VK_NEXT:
        return PaletteMove::Bottom;
    default:
        return std::nullopt;
    }
}

constexpr int kCrossArm = 4;

} // namespace

bool CPaletteField::Create(HWND parent, const PixelRect& palette, HBITMAP picture) {
    if (palette.IsEmpty() || !RegisterWindowClass(kClassName, 0, nullptr))
        return false;
    palette_ = palette;
    picture_ = picture;
    point_ = {palette.left + palette.Width() / 2, palette.top + palette.Height() / 2};
    return CWindow::Create(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                           RECT{palette.left, palette.top, palette.right, palette.bottom}, parent);
}

AccessibleFacts CPaletteField::Describe() const {
    AccessibleFacts facts;
    facts.role = AccessibleRole::Graphic;
    facts.name = label_;
    facts.value = value_;
    return facts;
}

void CPaletteField::OnPaint(HDC dc, const PAINTSTRUCT&) {
    const int w = palette_.Width(), h = palette_.Height();
    Bitmap canvas(CreateCompatibleBitmap(dc, w, h));
    MemoryDC memory(dc);
    SelectGuard select(memory.get(), canvas.get());
    {
        MemoryDC source(dc);
        SelectGuard picture(source.get(), picture_);
        BitBlt(memory.get(), 0, 0, w, h, source.get(), palette_.left, palette_.top, SRCCOPY);
    }
    if (moved_) {
        // A cross in black and white shows on every colour.
        const int x = point_.x - palette_.left, y = point_.y - palette_.top;
        const RECT arms[] = {{x - kCrossArm, y, x + kCrossArm + 1, y + 1},
                             {x, y - kCrossArm, x + 1, y + kCrossArm + 1}};
        for (const RECT& arm : arms) {
            RECT shadow = arm;
            OffsetRect(&shadow, 1, 1);
            FillRect(memory.get(), &shadow, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            FillRect(memory.get(), &arm, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
    }
    DrawFocusRing(memory.get(), Hwnd(), RECT{0, 0, w, h}, focus_);
    BitBlt(dc, 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

LRESULT CPaletteField::OnKeyDown(UINT key) {
    const std::optional<PaletteMove> move = MoveOf(key);
    if (!move)
        return Default();
    const bool stride = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    point_ = MovedPalettePoint(palette_, point_, *move, stride);
    moved_ = true;
    InvalidateRect(Hwnd(), nullptr, FALSE);
    if (onPick)
        onPick(POINT{point_.x, point_.y});
    return 0;
}

LRESULT CPaletteField::OnKillFocus(HWND) {
    InvalidateRect(Hwnd(), nullptr, FALSE);
    return Default();
}

LRESULT CPaletteField::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // clicks are the dialog's
    case WM_SETFOCUS:
        InvalidateRect(Hwnd(), nullptr, FALSE);
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    default:
        break;
    }
    return CWindow::OnMessage(msg, wp, lp);
}

} // namespace mervik::ui
