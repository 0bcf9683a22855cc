#include <gtest/gtest.h>

#include <cstdio>

#include "tests/ui/win/TestWindows.h"
#include "ui/skin/MaskRegion.h"
#include "ui/skin/MaskRuns.h"
#include "ui/skin/PictureLoader.h"

namespace mervik::ui {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;

TEST(MaskRegion, OnePixelMaskGivesOnePixelRegion) {
    std::vector<uint32_t> pixels(20 * 10, kWhite);
    pixels[4 * 20 + 7] = kBlack;
    Bitmap mask(test::MakeBitmap(20, 10, pixels));
    Region region = RegionFromMask(mask.get());
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 7);
    EXPECT_EQ(box.top, 4);
    EXPECT_EQ(box.right, 8);
    EXPECT_EQ(box.bottom, 5);
}

TEST(MaskRegion, AllWhiteMaskHasNoArea) {
    Bitmap mask(test::MakeBitmap(16, 16, std::vector<uint32_t>(256, kWhite)));
    Region region = RegionFromMask(mask.get());
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.get(), &box), NULLREGION);
}

TEST(MaskRegion, UnreadableMaskGivesNoRegion) {
    EXPECT_FALSE(RegionFromMask(nullptr));
    EXPECT_FALSE(RegionFromMask(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(0xdead))));
}

// A checkerboard: one rectangle per dark pixel, several flushes of 2000.
TEST(MaskRegion, BatchedRegionEqualsSinglePass) {
    const int w = 120, h = 80;
    std::vector<uint32_t> pixels(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels[y * w + x] = (x + y) % 2 ? kBlack : kWhite;
    Bitmap mask(test::MakeBitmap(w, h, pixels));
    Region batched = RegionFromMask(mask.get());
    ASSERT_TRUE(batched);

    std::vector<PixelRect> runs = ExtractMaskRuns(pixels, w, h);
    ASSERT_GT(runs.size(), 2 * kRegionBatchRects);
    Region single(CreateRectRgn(0, 0, 0, 0));
    for (const PixelRect& r : runs) {
        Region one(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        CombineRgn(single.get(), single.get(), one.get(), RGN_OR);
    }
    EXPECT_TRUE(EqualRgn(batched.get(), single.get()));
}

TEST(PictureLoader, BitmapFileLoadsAtItsSize) {
    std::string path = test::WriteBmpFile("mervik_picture.bmp", 13, 7, 0x336699);
    Bitmap picture = LoadPicture(path);
    ASSERT_TRUE(picture);
    SIZE size = BitmapSize(picture.get());
    EXPECT_EQ(size.cx, 13);
    EXPECT_EQ(size.cy, 7);
    DeleteFileA(path.c_str());
}

TEST(PictureLoader, MissingEmptyOrGarbageFileGivesEmptyBitmap) {
    EXPECT_FALSE(LoadPicture(test::TempPath("mervik_no_such_picture.bmp")));
    EXPECT_FALSE(LoadPicture(""));
    for (const char* content : {"", "not a picture at all, just text"}) {
        std::string path = test::TempPath("mervik_garbage.bmp");
        FILE* f = fopen(path.c_str(), "wb");
        fputs(content, f);
        fclose(f);
        EXPECT_FALSE(LoadPicture(path)) << '"' << content << '"';
        DeleteFileA(path.c_str());
    }
    // A cut from nothing is nothing, not a crash.
    EXPECT_FALSE(CutBitmap(nullptr, RECT{0, 0, 10, 10}));
}

} // namespace
} // namespace mervik::ui
