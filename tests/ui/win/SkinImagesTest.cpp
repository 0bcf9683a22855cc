#include <gtest/gtest.h>

#include <cstdio>

#include "tests/ui/win/TestWindows.h"
#include "ui/skin/FaceCutter.h"
#include "ui/skin/MaskRegion.h"
#include "ui/skin/MaskRuns.h"
#include "ui/skin/PictureLoader.h"
#include "ui/skin/SkinImages.h"

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

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    MemoryDC dc;
    SelectGuard select(dc.get(), bitmap);
    return GetPixel(dc.get(), x, y);
}

// Each state picture has its own colour in its red channel and the pixel's
// place in green and blue, so a cut shows which picture and which spot it
// came from.
SkinImages StatePictures(int width, int height, bool withDisable) {
    auto picture = [&](uint32_t red) {
        std::vector<uint32_t> pixels(width * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[y * width + x] = red << 16 | uint32_t(x) << 8 | uint32_t(y);
        return Bitmap(test::MakeBitmap(width, height, pixels));
    };
    SkinImages images;
    images.normal = picture(0x10);
    images.over = picture(0x20);
    images.down = picture(0x30);
    if (withDisable)
        images.disable = picture(0x40);
    return images;
}

TEST(FaceCutter, EachFaceComesFromItsPictureAtTheControlsPlace) {
    SkinImages images = StatePictures(64, 48, true);
    FaceCutter cutter(images);
    const RECT rect{10, 20, 14, 23};
    const std::pair<Face, int> faces[] = {{Face::Normal, 0x10}, {Face::Over, 0x20}, {Face::Down, 0x30},
                                          {Face::Disable, 0x40}};
    for (auto [face, red] : faces) {
        Bitmap piece = cutter.Cut(face, rect);
        ASSERT_TRUE(piece) << red;
        SIZE size = BitmapSize(piece.get());
        EXPECT_EQ(size.cx, 4);
        EXPECT_EQ(size.cy, 3);
        EXPECT_EQ(PixelOf(piece.get(), 0, 0), RGB(red, 10, 20));
        EXPECT_EQ(PixelOf(piece.get(), 3, 2), RGB(red, 13, 22));
    }
}

TEST(FaceCutter, MissingPictureOrEmptyPlaceGivesNoFaceAndFreesThePictures) {
    SkinImages images = StatePictures(16, 16, false);
    {
        FaceCutter cutter(images);
        EXPECT_FALSE(cutter.Cut(Face::Disable, RECT{0, 0, 4, 4}));
        EXPECT_FALSE(cutter.Cut(Face::Normal, RECT{4, 4, 4, 8}));
        EXPECT_TRUE(cutter.Cut(Face::Normal, RECT{0, 0, 4, 4}));
    }
    // Once the cutter is gone the pictures can be drawn from again, as the
    // window does with its background.
    EXPECT_EQ(PixelOf(images.normal.get(), 5, 6), RGB(0x10, 5, 6));
}

} // namespace
} // namespace mervik::ui
