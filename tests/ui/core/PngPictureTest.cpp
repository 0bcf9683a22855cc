#include "ui/core/PngPicture.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ui/core/PictureLimits.h"

namespace mervik::ui {
namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& out, uint32_t v) {
    for (int shift : {24, 16, 8, 0})
        out.push_back(static_cast<uint8_t>(v >> shift));
}

void Chunk(Bytes& out, const char* type, const Bytes& data) {
    Put32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, 0); // the CRC is not checked; zlib checks the data
}

// A PNG file of `rows` (each a filter byte and its samples) split into IDAT
// chunks of at most `idatSize` bytes.
Bytes Png(uint32_t width, uint32_t height, uint8_t colourType, const Bytes& rows,
          size_t idatSize = 1 << 20, uint8_t depth = 8) {
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    Put32(header, width);
    Put32(header, height);
    header.insert(header.end(), {depth, colourType, 0, 0, 0});
    Chunk(out, "IHDR", header);
    uLongf size = compressBound(static_cast<uLong>(rows.size()));
    Bytes packed(size);
    compress(packed.data(), &size, rows.data(), static_cast<uLong>(rows.size()));
    packed.resize(size);
    for (size_t at = 0; at < packed.size(); at += idatSize)
        Chunk(out, "IDAT",
              Bytes(packed.begin() + static_cast<long>(at),
                    packed.begin() + static_cast<long>(std::min(packed.size(), at + idatSize))));
    Chunk(out, "IEND", {});
    return out;
}

struct Decoded {
    bool ok = false;
    int width = 0, height = 0, asked = 0;
    std::vector<uint32_t> pixels;
};

Decoded Decode(const Bytes& file) {
    Decoded d;
    d.ok = DecodePng(file, [&](int w, int h) {
        ++d.asked;
        d.width = w;
        d.height = h;
        d.pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0xDEADBEEF);
        return d.pixels.data();
    });
    return d;
}

TEST(PngPicture, EachColourTypeGivesBlueGreenRedPixels) {
    // One row of two pixels: red-ish and grey-ish, in every layout the
    // generator may write. Alpha is dropped: skins are opaque.
    struct Case {
        uint8_t type;
        Bytes row;
        std::vector<uint32_t> pixels;
    } cases[] = {
        {2, {0, 0xFF, 0x10, 0x20, 0x01, 0x02, 0x03}, {0xFF1020, 0x010203}},
        {6, {0, 0xFF, 0x10, 0x20, 0x7F, 0x01, 0x02, 0x03, 0x00}, {0xFF1020, 0x010203}},
        {0, {0, 0x00, 0xFF}, {0x000000, 0xFFFFFF}},
        {4, {0, 0x80, 0x00, 0x40, 0xFF}, {0x808080, 0x404040}},
    };
    for (const Case& c : cases) {
        Decoded d = Decode(Png(2, 1, c.type, c.row));
        EXPECT_TRUE(d.ok) << int{c.type};
        EXPECT_EQ(d.pixels, c.pixels) << int{c.type};
    }
}

// Raw samples of a 3 x 3 RGB picture, filtered row by row with `filter`.
Bytes Filtered(const std::vector<Bytes>& raw, uint8_t filter) {
    const int bpp = 3;
    Bytes out;
    Bytes prior(raw[0].size(), 0);
    for (const Bytes& row : raw) {
        out.push_back(filter);
        for (size_t i = 0; i < row.size(); ++i) {
            const int left = i >= bpp ? row[i - bpp] : 0;
            const int up = prior[i];
            const int upLeft = i >= bpp ? prior[i - bpp] : 0;
            int predicted = 0;
            if (filter == 1)
                predicted = left;
            else if (filter == 2)
                predicted = up;
            else if (filter == 3)
                predicted = (left + up) / 2;
            else if (filter == 4) {
                const int p = left + up - upLeft;
                const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upLeft);
                predicted = pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
            }
            out.push_back(static_cast<uint8_t>(row[i] - predicted));
        }
        prior = row;
    }
    return out;
}

TEST(PngPicture, EveryFilterGivesBackTheSamePixels) {
    const std::vector<Bytes> raw = {{10, 20, 30, 200, 100, 50, 255, 0, 128},
                                    {11, 250, 3, 4, 5, 6, 90, 80, 70},
                                    {0, 0, 0, 255, 255, 255, 17, 34, 51}};
    std::vector<uint32_t> expected;
    for (const Bytes& row : raw)
        for (size_t i = 0; i < row.size(); i += 3)
            expected.push_back(uint32_t{row[i + 2]} | uint32_t{row[i + 1]} << 8 |
                               uint32_t{row[i]} << 16);
    for (uint8_t filter = 0; filter <= 4; ++filter) {
        Decoded d = Decode(Png(3, 3, 2, Filtered(raw, filter)));
        EXPECT_TRUE(d.ok) << int{filter};
        EXPECT_EQ(d.pixels, expected) << "filter " << int{filter};
    }
}

TEST(PngPicture, ImageDataSplitAcrossChunksAndAncillaryChunksBetween) {
    Bytes rows;
    for (int y = 0; y < 40; ++y) {
        rows.push_back(y % 5);
        for (int x = 0; x < 30; ++x)
            rows.insert(rows.end(), {uint8_t(x), uint8_t(y), uint8_t(x ^ y)});
    }
    Decoded whole = Decode(Png(30, 40, 2, rows));
    Decoded split = Decode(Png(30, 40, 2, rows, 7));
    ASSERT_TRUE(whole.ok);
    EXPECT_TRUE(split.ok);
    EXPECT_EQ(whole.pixels, split.pixels);
    // A text chunk before the data (lower-case first letter: ancillary).
    Bytes file = Png(30, 40, 2, rows);
    Bytes withText(file.begin(), file.begin() + 33);
    Chunk(withText, "tEXt", {'a', 0, 'b'});
    withText.insert(withText.end(), file.begin() + 33, file.end());
    EXPECT_TRUE(Decode(withText).ok);
}

TEST(PngPicture, RefusesWhatItDoesNotReadWithoutAskingForPixels) {
    const Bytes row = {0, 1, 2, 3};
    const Bytes whole = Png(1, 1, 2, row);
    const std::pair<std::string, Bytes> refused[] = {
        {"not a png", Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"empty", Bytes{}},
        {"16 bits a sample", Png(1, 1, 2, {0, 0, 1, 0, 2, 0, 3}, 1 << 20, 16)},
        {"palette", Png(1, 1, 3, {0, 0})},
        {"zero wide", Png(0, 1, 2, {0})},
        {"too large", Png(kMaxPictureSide + 1, 1, 2, row)},
        {"header only", Bytes(whole.begin(), whole.begin() + 20)},
    };
    for (const auto& [what, file] : refused) {
        Decoded d = Decode(file);
        EXPECT_FALSE(d.ok) << what;
        EXPECT_EQ(d.asked, 0) << what;
    }
}

TEST(PngPicture, DamagedDataIsRefused) {
    Bytes rows;
    for (int y = 0; y < 8; ++y) {
        rows.push_back(0);
        for (int x = 0; x < 8 * 3; ++x)
            rows.push_back(static_cast<uint8_t>(x * y));
    }
    const Bytes good = Png(8, 8, 2, rows);
    ASSERT_TRUE(Decode(good).ok);
    // Cut inside the image data: rows are missing.
    EXPECT_FALSE(Decode(Bytes(good.begin(), good.end() - 30)).ok);
    // A chunk claiming more bytes than the file holds.
    Bytes longer = good;
    longer[33] = 0x7F;
    EXPECT_FALSE(Decode(longer).ok);
    // Data that does not inflate.
    Bytes garbled = good;
    for (size_t i = 41; i < 50; ++i)
        garbled[i] ^= 0x5A;
    EXPECT_FALSE(Decode(garbled).ok);
    // An unknown filter type.
    Bytes badFilter = rows;
    badFilter[0] = 9;
    EXPECT_FALSE(Decode(Png(8, 8, 2, badFilter)).ok);
    // Too few rows in the data.
    EXPECT_FALSE(Decode(Png(8, 9, 2, rows)).ok);
}

TEST(PngPicture, TheTargetMayRefuse) {
    EXPECT_FALSE(DecodePng(Png(1, 1, 2, {0, 1, 2, 3}), [](int, int) { return nullptr; }));
}

} // namespace
} // namespace mervik::ui
