#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "settings/ProfileDefaults.h"
#include "tests/ui/win32/TestWindows.h"
#include "ui/win32/pages/CSkinnedPage.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {
namespace {

constexpr char kSkinName[] = "mervik_test_page.ini";
constexpr int kWidth = 24;
constexpr int kHeight = 8;

// A two-control page skin: control 1 starts pressed, control 2 does not. Each
// state picture has its own red, so a pixel tells which picture it came from.
void WritePageSkin() {
    const std::pair<const char*, uint32_t> pictures[] = {{"mervik_page_mask.bmp", 0x000000},
                                                         {"mervik_page_normal.bmp", 0x100000},
                                                         {"mervik_page_over.bmp", 0x200000},
                                                         {"mervik_page_down.bmp", 0x300000},
                                                         {"mervik_page_disable.bmp", 0x400000}};
    for (const auto& [name, rgb] : pictures)
        test::WriteBmpFile(name, kWidth, kHeight, rgb);
    FILE* f = fopen(test::TempPath(kSkinName).c_str(), "wb");
    fputs("[SCREEN]\r\nMask=mervik_page_mask.bmp\r\nNormal=mervik_page_normal.bmp\r\n"
          "Over=mervik_page_over.bmp\r\nDown=mervik_page_down.bmp\r\nDisable=mervik_page_disable."
          "bmp\r\n"
          "[BUTTONPOS]\r\n1=first,2,2,4,4,,TRUE\r\n2=second,12,2,4,4,\r\n",
          f);
    fclose(f);
    SetSkinFolder(test::TempPath(""));
}

class TestPage : public CSkinnedPage {
public:
    TestPage() : CSkinnedPage(kSkinName, "testpage", 2) {}

    // What the page paints over its Normal picture, on a canvas of that colour.
    COLORREF PaintedAt(int x, int y) {
        Bitmap canvas(
            test::MakeBitmap(kWidth, kHeight, std::vector<uint32_t>(kWidth * kHeight, 0x100000)));
        MemoryDC dc;
        SelectGuard select(dc.get(), canvas.get());
        DrawOverBackground(dc.get());
        return GetPixel(dc.get(), x, y);
    }

    int shown = 0;
    int shownProfile = -1;

protected:
    void ShowSettings(const SharedSettingsBlock& settings) override {
        ++shown;
        shownProfile = settings.CurrentProfile;
    }
};

TEST(CSkinnedPage, ControlsComeSecondAndTheSettingsWaitForThem) {
    WritePageSkin();
    test::RecordingParent parent;
    auto settings = std::make_unique<SharedSettingsBlock>();
    CreateImage(*settings);
    settings->CurrentProfile = 3;

    TestPage page;
    ASSERT_TRUE(page.Create(parent.Hwnd()));
    EXPECT_EQ(page.SkinSize().cx, kWidth);
    EXPECT_FALSE(page.HasControls());
    EXPECT_EQ(GetWindow(page.Hwnd(), GW_CHILD), nullptr);
    // Until its controls exist the page shows the one that starts pressed.
    EXPECT_EQ(page.PaintedAt(3, 3), RGB(0x30, 0, 0));
    EXPECT_EQ(page.PaintedAt(13, 3), RGB(0x10, 0, 0));
    page.Refresh(*settings);
    EXPECT_EQ(page.shown, 0) << "settings shown on controls that do not exist";

    // Made while on the screen, the page stays there.
    ShowWindow(parent.Hwnd(), SW_SHOWNA);
    ShowWindow(page.Hwnd(), SW_SHOWNA);
    page.CreateControls();
    EXPECT_TRUE(IsWindowVisible(page.Hwnd()));
    EXPECT_TRUE(page.HasControls());
    EXPECT_EQ(page.ControlCount(), 2);
    // The controls draw themselves now; the page only its background.
    EXPECT_EQ(page.PaintedAt(3, 3), RGB(0x10, 0, 0));
    page.Refresh(*settings);
    EXPECT_EQ(page.shown, 1);
    EXPECT_EQ(page.shownProfile, 3);
    page.CreateControls();
    EXPECT_EQ(page.ControlCount(), 2) << "a second call made the controls twice";
    page.Destroy();
}

} // namespace
} // namespace mervik::ui
