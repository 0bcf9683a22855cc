#pragma once
// How large a skin picture may be. The default skin's largest is 940 by 620;
// a picture far beyond that is damaged or hostile, and loading it would cost
// width x height x 4 bytes several times over (the picture, its copies, the
// mask's pixels).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>

namespace mervik::ui {

inline constexpr int kMaxPictureSide = 4096;
inline constexpr size_t kMaxPictureFileBytes = 64u << 20;

// Whether a picture of width x height may be loaded.
bool PictureSizeAllowed(long long width, long long height);

// For a Windows bitmap file (its first bytes): whether the size its header
// gives is allowed. False for a bitmap header too short to read or too large;
// true for bytes that are no bitmap at all (other formats are checked after
// loading).
bool BitmapHeaderAllowed(std::span<const uint8_t> firstBytes);

// Width and height a bitmap or PNG file's first bytes give, without loading
// it; nothing for other formats or too few bytes.
std::optional<std::pair<long long, long long>>
HeaderPictureSize(std::span<const uint8_t> firstBytes);

} // namespace mervik::ui
