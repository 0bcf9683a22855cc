#include "win32/Gdi.h"

namespace mervik::ui {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

namespace {

BITMAPINFO PixelFormat(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

Bitmap NewPixelBitmap(int width, int height, uint32_t*& bits) {
    const BITMAPINFO info = PixelFormat(width, height);
    void* at = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &at, nullptr, 0));
    bits = bitmap ? static_cast<uint32_t*>(at) : nullptr;
    return bits ? std::move(bitmap) : Bitmap();
}

std::vector<uint32_t> ReadPixels(HBITMAP bitmap, SIZE& size) {
    size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0)
        return {};
    std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    BITMAPINFO info = PixelFormat(size.cx, size.cy);
    ClientDC screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info,
                  DIB_RGB_COLORS) != size.cy)
        return {};
    return pixels;
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
