#pragma once
// Skin pictures stored as PNG files: a tenth of the size of bitmap files,
// which matters once a skin ships five scales. Read here rather than through
// the system's imaging library, which under Wine costs more than the rest of
// Option's start-up together.
//
// What the generator writes is read: 8 bits a sample, grey, grey with alpha,
// RGB or RGBA, not interlaced. Anything else (or a damaged file) is refused
// and the picture stays empty, as for any picture that cannot be read.
#include <cstdint>
#include <functional>
#include <span>

namespace mervik::ui {

// Whether `firstBytes` start like a PNG file.
bool IsPng(std::span<const uint8_t> firstBytes);

// Where the pixels go: a top-down buffer of width x height 32-bit pixels
// (B, G, R, 0), or null to give up. Asked at most once, and only for a size
// PictureSizeAllowed accepts.
using PixelTarget = std::function<uint32_t*(int width, int height)>;

// Decodes `file` into the buffer `target` gives; false when the file is not
// a PNG file of the kind above or is cut short or damaged (the buffer may
// then hold part of the picture).
bool DecodePng(std::span<const uint8_t> file, const PixelTarget& target);

} // namespace mervik::ui
