#include "ui/core/PictureLimits.h"

#include <cstdlib>

namespace mervik::ui {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12; // the oldest info header: 16-bit sizes
constexpr size_t kInfoHeaderMin = 16;  // width and height as 32-bit values

uint32_t Read32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
           uint32_t{bytes[at + 3]} << 24;
}

uint16_t Read16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

} // namespace

bool PictureSizeAllowed(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

bool BitmapHeaderAllowed(std::span<const uint8_t> bytes) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        return true;
    if (bytes.size() < kFileHeaderSize + 4)
        return false;
    const uint32_t infoSize = Read32(bytes, kFileHeaderSize);
    const size_t info = kFileHeaderSize + 4;
    if (infoSize == kCoreHeaderSize && bytes.size() >= info + 4)
        return PictureSizeAllowed(Read16(bytes, info), Read16(bytes, info + 2));
    if (infoSize < kInfoHeaderMin || bytes.size() < info + 8)
        return false;
    const auto width = static_cast<int32_t>(Read32(bytes, info));
    const auto height = static_cast<int32_t>(Read32(bytes, info + 4));
    // A negative height means rows top-down; the size is its magnitude.
    return PictureSizeAllowed(width, std::llabs(static_cast<long long>(height)));
}

} // namespace mervik::ui
