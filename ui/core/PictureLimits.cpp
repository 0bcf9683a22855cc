#include "ui/core/PictureLimits.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

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

namespace {

bool IsBitmapFile(std::span<const uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

std::optional<std::pair<long long, long long>> BitmapSize(std::span<const uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize + 4)
        return std::nullopt;
    const uint32_t infoSize = Read32(bytes, kFileHeaderSize);
    const size_t info = kFileHeaderSize + 4;
    if (infoSize == kCoreHeaderSize && bytes.size() >= info + 4)
        return std::pair<long long, long long>(Read16(bytes, info), Read16(bytes, info + 2));
    if (infoSize < kInfoHeaderMin || bytes.size() < info + 8)
        return std::nullopt;
    const auto width = static_cast<int32_t>(Read32(bytes, info));
    const auto height = static_cast<int32_t>(Read32(bytes, info + 4));
    // A negative height means rows top-down; the size is its magnitude.
    return std::pair<long long, long long>(width, std::llabs(static_cast<long long>(height)));
}

uint32_t ReadBig32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 |
           uint32_t{bytes[at + 2]} << 8 | uint32_t{bytes[at + 3]};
}

} // namespace

bool BitmapHeaderAllowed(std::span<const uint8_t> bytes) {
    if (!IsBitmapFile(bytes))
        return true;
    const auto size = BitmapSize(bytes);
    return size && PictureSizeAllowed(size->first, size->second);
}

std::optional<std::pair<long long, long long>> HeaderPictureSize(std::span<const uint8_t> bytes) {
    if (IsBitmapFile(bytes))
        return BitmapSize(bytes);
    // PNG: the signature, then IHDR's length and name, then width and height.
    static constexpr uint8_t kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() >= 24 && std::equal(std::begin(kPng), std::end(kPng), bytes.begin()) &&
        std::equal(bytes.begin() + 12, bytes.begin() + 16, "IHDR"))
        return std::pair<long long, long long>(ReadBig32(bytes, 16), ReadBig32(bytes, 20));
    return std::nullopt;
}

} // namespace mervik::ui
