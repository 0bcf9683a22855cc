#include "ui/core/PictureLimits.h"

#include <gtest/gtest.h>

#include <vector>

namespace mervik::ui {
namespace {

// The first bytes of a bitmap file with an info header of `infoSize` bytes.
std::vector<uint8_t> BitmapHeader(int32_t width, int32_t height, uint32_t infoSize = 40) {
    std::vector<uint8_t> bytes(54, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    put32(14, infoSize);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    return bytes;
}

TEST(PictureLimits, BitmapHeadersWithinAndBeyondTheLimit) {
    EXPECT_TRUE(BitmapHeaderAllowed(BitmapHeader(940, 620)));
    EXPECT_TRUE(BitmapHeaderAllowed(BitmapHeader(940, -620))) << "top-down rows";
    EXPECT_TRUE(BitmapHeaderAllowed(BitmapHeader(kMaxPictureSide, kMaxPictureSide)));
    EXPECT_FALSE(BitmapHeaderAllowed(BitmapHeader(kMaxPictureSide + 1, 10)));
    EXPECT_FALSE(BitmapHeaderAllowed(BitmapHeader(60000, 60000)));
    EXPECT_FALSE(BitmapHeaderAllowed(BitmapHeader(10, INT32_MIN)))
        << "no overflow in the magnitude";
    EXPECT_FALSE(BitmapHeaderAllowed(BitmapHeader(0, 10)));
    EXPECT_FALSE(BitmapHeaderAllowed(BitmapHeader(-5, 10)));
}

TEST(PictureLimits, ShortDamagedAndOtherFiles) {
    std::vector<uint8_t> header = BitmapHeader(100, 100);
    EXPECT_FALSE(BitmapHeaderAllowed(std::span(header).first(20))) << "cut inside the header";
    EXPECT_FALSE(BitmapHeaderAllowed(BitmapHeader(100, 100, 4))) << "info header too small";
    std::vector<uint8_t> core = BitmapHeader(0, 0, 12);
    core[18] = 0x10; // 16-bit width 0x1010 = 4112
    core[19] = 0x10;
    core[20] = 0x20; // 16-bit height 32
    EXPECT_FALSE(BitmapHeaderAllowed(core));
    core[19] = 0;
    core[18] = 200;
    EXPECT_TRUE(BitmapHeaderAllowed(core));
    const uint8_t jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0};
    EXPECT_TRUE(BitmapHeaderAllowed(jpeg)) << "checked after loading instead";
    EXPECT_TRUE(BitmapHeaderAllowed({}));
}

TEST(PictureLimits, SizeFromTheFirstBytesOfBitmapAndPngFiles) {
    using Size = std::pair<long long, long long>;
    EXPECT_EQ(HeaderPictureSize(BitmapHeader(940, -620)), (Size{940, 620}));
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0,    13,
                                'I',  'H', 'D', 'R', 0,    0,    0x07, 0x58, 0, 0, 0x04, 0xD8};
    EXPECT_EQ(HeaderPictureSize(png), (Size{1880, 1240}));
    png[12] = 'X'; // no IHDR first
    EXPECT_EQ(HeaderPictureSize(png), std::nullopt);
    EXPECT_EQ(HeaderPictureSize(std::vector<uint8_t>(png.begin(), png.begin() + 20)), std::nullopt);
    EXPECT_EQ(HeaderPictureSize(std::vector<uint8_t>{'G', 'I', 'F', '8', '9', 'a'}), std::nullopt);
}

} // namespace
} // namespace mervik::ui
