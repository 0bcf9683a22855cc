#include "service/win32/GreyIconWin32.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "win32/Gdi.h"

namespace mervik {

namespace {

// Grey at the picture's brightness, lifted towards white; the alpha stays.
uint32_t Greyed(uint32_t bgra) {
    const uint32_t b = bgra & 0xFF, g = (bgra >> 8) & 0xFF, r = (bgra >> 16) & 0xFF;
    const uint32_t grey = 128 + (r * 30 + g * 59 + b * 11) / 200;
    return (bgra & 0xFF000000u) | grey << 16 | grey << 8 | grey;
}

} // namespace

win::UniqueIcon GreyedCopy(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return win::UniqueIcon();
    // GetIconInfo's bitmaps are copies for the caller to delete.
    ui::Bitmap colour(info.hbmColor);
    ui::Bitmap mask(info.hbmMask);
    BITMAP size{};
    if (!colour || !GetObjectA(colour.get(), sizeof size, &size) || size.bmWidth <= 0 ||
        size.bmHeight <= 0)
        return win::UniqueIcon();
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size.bmWidth;
    format.bmiHeader.biHeight = -size.bmHeight; // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(size.bmWidth) * size.bmHeight);
    ui::MemoryDC dc;
    if (!GetDIBits(dc.get(), colour.get(), 0, static_cast<UINT>(size.bmHeight), pixels.data(),
                   &format, DIB_RGB_COLORS))
        return win::UniqueIcon();
    for (uint32_t& pixel : pixels)
        pixel = Greyed(pixel);
    void* bits = nullptr;
    ui::Bitmap grey(CreateDIBSection(dc.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!grey || !bits)
        return win::UniqueIcon();
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
    ICONINFO greyInfo{TRUE, 0, 0, mask.get(), grey.get()};
    return win::UniqueIcon(CreateIconIndirect(&greyInfo));
}

} // namespace mervik
