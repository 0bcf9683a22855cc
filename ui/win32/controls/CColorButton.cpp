#include "ui/win32/controls/CColorButton.h"

#include <cstdio>

namespace mervik::ui {
namespace {
const RECT kSwatch{0, 0, 35, 19};
} // namespace

void CColorButton::SetColour(COLORREF colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    Repaint();
}

std::string CColorButton::ShownValue() const {
    char text[8];
    snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour_), GetGValue(colour_),
             GetBValue(colour_));
    return text;
}

void CColorButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    ButtonState state = StateFor(item);
    const RECT& rect = item.rcItem;
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    Bitmap canvas(CreateCompatibleBitmap(item.hDC, w, h));
    MemoryDC memory(item.hDC);
    SelectGuard select(memory.get(), canvas.get());
    DrawFace(memory.get(), ColorButtonFace(state));
    if (!state.disabled) {
        Brush swatch(CreateSolidBrush(colour_));
        FillRect(memory.get(), &kSwatch, swatch.get());
    }
    DrawKeyboardCues(memory.get(), RECT{0, 0, w, h});
    BitBlt(item.hDC, 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

} // namespace mervik::ui
