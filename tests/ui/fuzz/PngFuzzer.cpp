// libFuzzer target for the PNG reader: the input is a whole picture file, as
// a skin folder may hold any. Whatever it holds, the reader asks for pixels
// at most once and only at a size the picture limits allow, writes within
// the buffer it was given (AddressSanitizer sees the rest), and a picture it
// accepts is whole: every pixel written, each with its fourth byte zero.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "ui/core/PictureLimits.h"
#include "ui/core/PngPicture.h"

namespace {

void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Never written by the reader: a pixel still holding it was not decoded.
constexpr uint32_t kUnwritten = 0xA5A5A5A5;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    std::vector<uint32_t> pixels;
    int asked = 0;
    const bool decoded = mervik::ui::DecodePng(file, [&](int width, int height) -> uint32_t* {
        if (++asked > 1)
            Fail("asked for pixels twice");
        if (!mervik::ui::PictureSizeAllowed(width, height))
            Fail("asked for pixels at a size the limits refuse");
        pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), kUnwritten);
        return pixels.data();
    });
    if (decoded && !mervik::ui::IsPng(file))
        Fail("decoded a file that does not start like a PNG file");
    if (!decoded)
        return 0;
    if (asked != 1)
        Fail("decoded without asking for pixels");
    for (uint32_t pixel : pixels)
        if (pixel >> 24 != 0)
            Fail("an accepted picture holds a pixel it never wrote");
    return 0;
}
