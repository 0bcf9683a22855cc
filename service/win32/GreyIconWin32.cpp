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
    SIZE size{};
    std::vector<uint32_t> pixels = ui::ReadPixels(colour.get(), size);
    if (pixels.empty())
        return win::UniqueIcon();
    for (uint32_t& pixel : pixels)
        pixel = Greyed(pixel);
    uint32_t* bits = nullptr;
    ui::Bitmap grey = ui::NewPixelBitmap(size.cx, size.cy, bits);
    if (!grey)
        return win::UniqueIcon();
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
    ICONINFO greyInfo{TRUE, 0, 0, mask.get(), grey.get()};
    return win::UniqueIcon(CreateIconIndirect(&greyInfo));
}

} // namespace mervik
