#include "win32/Gdi.h"

namespace mervik::ui {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

Bitmap CutBitmap(HBITMAP source, const RECT& rect) {
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (!source || w <= 0 || h <= 0)
        return {};
    ClientDC screen(nullptr);
    Bitmap face(CreateCompatibleBitmap(screen.get(), w, h));
    if (!face)
        return {};
    MemoryDC from(screen.get()), to(screen.get());
    SelectGuard selectFrom(from.get(), source);
    SelectGuard selectTo(to.get(), face.get());
    BitBlt(to.get(), 0, 0, w, h, from.get(), rect.left, rect.top, SRCCOPY);
    return face;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    SIZE size = BitmapSize(bitmap);
    DrawBitmapPart(dc, bitmap, RECT{0, 0, size.cx, size.cy}, x, y);
}

void DrawBitmapPart(HDC dc, HBITMAP bitmap, const RECT& part, int x, int y) {
    int w = part.right - part.left, h = part.bottom - part.top;
    if (!bitmap || w <= 0 || h <= 0)
        return;
    MemoryDC from(dc);
    SelectGuard select(from.get(), bitmap);
    BitBlt(dc, x, y, w, h, from.get(), part.left, part.top, SRCCOPY);
}

} // namespace mervik::ui
