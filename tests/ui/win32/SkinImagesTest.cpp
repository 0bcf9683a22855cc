#include <gtest/gtest.h>

#include <cstdio>

#include "tests/ui/win32/TestWindows.h"
#include "ui/core/MaskRuns.h"
#include "ui/win32/controls/ButtonFaces.h"
#include "ui/win32/skin/MaskRegion.h"
#include "ui/win32/skin/PictureLoader.h"
#include "ui/win32/skin/PicturePrefetch.h"
#include "ui/win32/skin/SkinFolder.h"
#include "ui/win32/skin/SkinImages.h"

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

// Bitmap files are bottom-up and stored blue first; a loader that got either
// wrong would still give a picture of the right size.
TEST(PictureLoader, BitmapFileKeepsItsPixelsInPlace) {
    std::string path = test::WriteBmpFile("mervik_pixels.bmp", 5, 4, [](int x, int y) {
        return uint32_t(0x80) << 16 | uint32_t(x * 10) << 8 | uint32_t(y * 20);
    });
    Bitmap picture = LoadPicture(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(PixelOf(picture.get(), 0, 0), RGB(0x80, 0, 0));
    EXPECT_EQ(PixelOf(picture.get(), 4, 3), RGB(0x80, 40, 60));
    DeleteFileA(path.c_str());
}

// A skin may carry other formats; they go through the system picture loader.
TEST(PictureLoader, GifFileLoadsThroughThePictureLoader) {
    const unsigned char gif[] = {'G', 'I',  'F',  '8',  '9', 'a', 1, 0,    1, 0, 0x80, 0,
                                 0,   0xFF, 0xFF, 0xFF, 0,   0,   0, 0x2C, 0, 0, 0,    0,
                                 1,   0,    1,    0,    0,   2,   2, 0x44, 1, 0, 0x3B};
    std::string path = test::TempPath("mervik_picture.gif");
    FILE* f = fopen(path.c_str(), "wb");
    fwrite(gif, 1, sizeof gif, f);
    fclose(f);
    Bitmap picture = LoadPicture(path);
    ASSERT_TRUE(picture);
    SIZE size = BitmapSize(picture.get());
    EXPECT_EQ(size.cx, 1);
    EXPECT_EQ(size.cy, 1);
    DeleteFileA(path.c_str());
}

// Each state picture has its own colour in its red channel and the pixel's
// place in green and blue, so a drawn face shows which picture and which
// spot it came from.
SharedSkinImages StatePictures(int width, int height, bool withDisable) {
    auto picture = [&](uint32_t red) {
        std::vector<uint32_t> pixels(width * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[y * width + x] = red << 16 | uint32_t(x) << 8 | uint32_t(y);
        return Bitmap(test::MakeBitmap(width, height, pixels));
    };
    auto images = std::make_shared<SkinImages>();
    images->normal = picture(0x10);
    images->over = picture(0x20);
    images->down = picture(0x30);
    if (withDisable)
        images->disable = picture(0x40);
    return images;
}

// A canvas of `w` x `h` filled with a colour no state picture has.
constexpr COLORREF kUntouched = RGB(0xEE, 0xEE, 0xEE);
Bitmap Canvas(int w, int h) {
    return Bitmap(test::MakeBitmap(w, h, std::vector<uint32_t>(w * h, 0x00EEEEEE)));
}

TEST(ButtonFaces, EachFaceComesFromItsPictureAtTheControlsPlace) {
    ButtonFaces faces(StatePictures(64, 48, true), RECT{10, 20, 14, 23});
    const std::pair<Face, int> cases[] = {
        {Face::Normal, 0x10}, {Face::Over, 0x20}, {Face::Down, 0x30}, {Face::Disable, 0x40}};
    for (auto [face, red] : cases) {
        Bitmap canvas = Canvas(8, 8);
        {
            MemoryDC dc;
            SelectGuard select(dc.get(), canvas.get());
            faces.Draw(dc.get(), face, 1, 1);
        }
        EXPECT_EQ(PixelOf(canvas.get(), 1, 1), RGB(red, 10, 20)) << red;
        EXPECT_EQ(PixelOf(canvas.get(), 4, 3), RGB(red, 13, 22)) << red;
        EXPECT_EQ(PixelOf(canvas.get(), 5, 3), kUntouched) << "drew past the control's width";
        EXPECT_EQ(PixelOf(canvas.get(), 4, 4), kUntouched) << "drew past the control's height";
    }
}

TEST(ButtonFaces, AControlMayShowAnotherFaceWhenDisabled) {
    ButtonFaces faces(StatePictures(16, 16, true), RECT{0, 0, 4, 4});
    auto drawnRed = [&](Face face) {
        Bitmap canvas = Canvas(4, 4);
        {
            MemoryDC dc;
            SelectGuard select(dc.get(), canvas.get());
            faces.Draw(dc.get(), face, 0, 0);
        }
        return GetRValue(PixelOf(canvas.get(), 1, 1));
    };
    EXPECT_EQ(drawnRed(Face::Disable), 0x40);
    faces.ShowDisabledAs(Face::Down); // the DPI level switches
    EXPECT_EQ(drawnRed(Face::Disable), 0x30);
    faces.ShowDisabledAs(Face::Normal); // the DPI level values
    EXPECT_EQ(drawnRed(Face::Disable), 0x10);
    EXPECT_EQ(drawnRed(Face::Over), 0x20);
}

TEST(ButtonFaces, MissingPictureOrEmptyPlaceDrawsNothing) {
    SharedSkinImages pictures = StatePictures(16, 16, false);
    const std::pair<Face, RECT> cases[] = {{Face::Disable, RECT{0, 0, 4, 4}},
                                           {Face::Normal, RECT{4, 4, 4, 8}}};
    for (const auto& [face, rect] : cases) {
        Bitmap canvas = Canvas(8, 8);
        MemoryDC dc;
        SelectGuard select(dc.get(), canvas.get());
        ButtonFaces(pictures, rect).Draw(dc.get(), face, 0, 0);
        ButtonFaces().Draw(dc.get(), Face::Normal, 0, 0);
        EXPECT_EQ(GetPixel(dc.get(), 0, 0), kUntouched);
    }
}

// Controls outlive their window's set-up: the pictures must stay while any
// face needs them, and still be free to draw the window's background from.
TEST(ButtonFaces, FacesKeepTheSharedPicturesAlive) {
    SharedSkinImages pictures = StatePictures(16, 16, true);
    ButtonFaces first(pictures, RECT{2, 3, 6, 6});
    ButtonFaces second(pictures, RECT{8, 8, 12, 12});
    HBITMAP normal = pictures->normal.get();
    pictures.reset();
    Bitmap canvas = Canvas(4, 4);
    {
        MemoryDC dc;
        SelectGuard select(dc.get(), canvas.get());
        first.Draw(dc.get(), Face::Normal, 0, 0);
        second.Draw(dc.get(), Face::Down, 2, 2);
    }
    EXPECT_EQ(PixelOf(canvas.get(), 0, 0), RGB(0x10, 2, 3));
    EXPECT_EQ(PixelOf(canvas.get(), 3, 3), RGB(0x30, 9, 9));
    EXPECT_EQ(PixelOf(normal, 5, 6), RGB(0x10, 5, 6));
}

// A window's first look waits for its Normal picture alone: the state
// pictures are read when a face first needs one, or all at once when the
// window has nothing else to do; a missing one draws nothing either way.
TEST(SkinImages, StatePicturesAreReadAtTheirFirstUse) {
    SetSkinFolder(test::TempPath(""));
    const std::string normal = test::WriteBmpFile("mervik_lazy_normal.bmp", 8, 8, 0x101010);
    const std::string over = test::WriteBmpFile("mervik_lazy_over.bmp", 8, 8, 0x202020);
    const std::string down = test::WriteBmpFile("mervik_lazy_down.bmp", 8, 8, 0x303030);
    const std::string ini = test::TempPath("mervik_lazy.ini");
    FILE* f = fopen(ini.c_str(), "wb");
    fputs("[SCREEN]\r\nNormal=mervik_lazy_normal.bmp\r\nOver=mervik_lazy_over.bmp\r\n"
          "Down=mervik_lazy_down.bmp\r\nDisable=mervik_lazy_none.bmp\r\n",
          f);
    fclose(f);

    auto images = std::make_shared<SkinImages>(SkinFile("mervik_lazy.ini").LoadImages());
    ASSERT_TRUE(images->normal);
    EXPECT_FALSE(images->over.IsRead());
    EXPECT_FALSE(images->down.IsRead());
    EXPECT_FALSE(images->disable.IsRead());

    Bitmap canvas = Canvas(4, 4);
    {
        MemoryDC dc;
        SelectGuard select(dc.get(), canvas.get());
        ButtonFaces(images, RECT{0, 0, 4, 4}).Draw(dc.get(), Face::Over, 0, 0);
    }
    EXPECT_EQ(PixelOf(canvas.get(), 1, 1), RGB(0x20, 0x20, 0x20));
    EXPECT_TRUE(images->over.IsRead());
    EXPECT_FALSE(images->down.IsRead()) << "only the face drawn is read";

    images->ReadStatePictures();
    EXPECT_TRUE(images->down.IsRead());
    EXPECT_TRUE(images->down.get());
    EXPECT_TRUE(images->disable.IsRead());
    EXPECT_FALSE(images->disable.get()) << "a missing picture stays empty";
    for (const std::string& path : {normal, over, down, ini})
        DeleteFileA(path.c_str());
}

// A picture read ahead on another thread is the picture, handed out once:
// asked again, it is read from its file again.
TEST(PicturePrefetch, APictureReadAheadIsHandedOutOnce) {
    const std::string path = test::WriteBmpFile("mervik_ahead.bmp", 6, 5, 0x405060);
    PrefetchPicture(path);
    PrefetchPicture(path); // already on its way: not read twice
    Bitmap first = ReadPicture(path);
    ASSERT_TRUE(first);
    EXPECT_EQ(BitmapSize(first.get()).cx, 6);
    EXPECT_EQ(PixelOf(first.get(), 5, 4), RGB(0x40, 0x50, 0x60));
    DeleteFileA(path.c_str());
    EXPECT_FALSE(ReadPicture(path)) << "the file is gone, and nothing was read ahead again";
    PrefetchPicture("");
    EXPECT_FALSE(ReadPicture(""));
}

} // namespace
} // namespace mervik::ui
