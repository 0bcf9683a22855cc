// A skin that cannot make its window: the user is told, the owner is asked to
// close, and nothing is left on the screen; no exception leaves a window.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>

#include "settings/win32/WidePath.h"
#include "tests/ui/win32/TestWindows.h"
#include "ui/win32/main/WarningBox.h"
#include "ui/win32/skin/CSkinnedDialog.h"
#include "ui/win32/skin/PictureLoader.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {
namespace {

constexpr char kSkinName[] = "mervik_broken_skin.ini";

void WriteSkin(const char* normalPicture, const char* buttons = "1=ok,2,2,4,4,,\r\n") {
    test::WriteBmpFile("mervik_broken_mask.bmp", 16, 8, 0x000000);
    FILE* f = fopen(test::TempPath(kSkinName).c_str(), "wb");
    fprintf(f,
            "[SCREEN]\r\nMask=mervik_broken_mask.bmp\r\nNormal=%s\r\nOver=%s\r\nDown=%s\r\n"
            "Disable=%s\r\n[BUTTONPOS]\r\n%s",
            normalPicture, normalPicture, normalPicture, normalPicture, buttons);
    fclose(f);
    SetSkinFolder(test::TempPath(""));
}

// A bitmap file whose header claims 60000 x 60000 pixels, with no pixels.
void WriteOversizedBitmap(const char* name) {
    unsigned char header[54] = {'B', 'M'};
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    put32(2, sizeof header);
    put32(10, sizeof header);
    put32(14, 40);
    put32(18, 60000);
    put32(22, 60000);
    header[26] = 1;  // planes
    header[28] = 24; // bits
    FILE* f = fopen(test::TempPath(name).c_str(), "wb");
    fwrite(header, 1, sizeof header, f);
    fclose(f);
}

// Answers the first message box titled as Option's warnings and keeps its
// text, read as UTF-16.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer()
        : thread_([this] {
              const std::wstring title = ReadableTitle();
              for (int i = 0; i < 400 && !stop_; ++i) {
                  if (HWND box = FindWindowW(L"#32770", title.c_str())) {
                      wchar_t text[1024] = {};
                      GetDlgItemTextW(box, 0xFFFF, text, 1024);
                      text_ = text;
                      PostMessageA(box, WM_COMMAND, IDOK, 0);
                      return;
                  }
                  Sleep(25);
              }
          }) {}
    ~MessageBoxAnswerer() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    std::wstring Text() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        return text_;
    }

private:
    std::atomic<bool> stop_{false};
    std::wstring text_;
    std::thread thread_;
};

class BrokenDialog : public CSkinnedDialog {
public:
    BrokenDialog() : CSkinnedDialog(kSkinName) {}
};

// A top-level window that counts the WM_CLOSE it is sent or posted.
struct Owner {
    static inline int closes = 0;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_CLOSE) {
            ++closes;
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    Owner() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MervikSkinFailureOwner";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, wc.hInstance, nullptr);
        closes = 0;
    }
    ~Owner() { DestroyWindow(hwnd); }
    HWND hwnd;
};

void ExpectToldAndClosed(const char* normalPicture) {
    WriteSkin(normalPicture);
    Owner owner;
    MessageBoxAnswerer answerer;
    BrokenDialog dialog;
    EXPECT_EQ(dialog.DoModal(owner.hwnd), CSkinnedDialog::kSkinFailed);
    const std::wstring text = answerer.Text();
    EXPECT_NE(text.find(L"skin"), std::wstring::npos);
    EXPECT_NE(text.find(win::Widen(kSkinName)), std::wstring::npos)
        << "the message names the skin file";
    test::FlushEvents();
    EXPECT_EQ(Owner::closes, 1) << "the program is asked to end";
    EXPECT_EQ(dialog.Hwnd(), nullptr) << "no invisible window stays";
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd)) << "the owner is not left disabled";
}

TEST(SkinFailure, AMissingPictureIsToldAndEndsTheProgram) {
    ExpectToldAndClosed("mervik_no_such_picture.bmp");
}

// The message names the skin's folder as the system holds it: a folder
// outside the code page (a user's name in another script) reads as it is.
TEST(SkinFailure, TheMessageNamesAFolderOutsideTheCodePageReadably) {
    const std::string folder = test::TempPath("") + "Sk\xC3\xA9ins \xD0\x96\\";
    SetSkinFolder(folder);
    MessageBoxAnswerer answerer;
    BrokenDialog dialog;
    EXPECT_EQ(dialog.DoModal(nullptr), CSkinnedDialog::kSkinFailed);
    EXPECT_NE(answerer.Text().find(L"Sk\u00E9ins \u0416\\"), std::wstring::npos);
}

TEST(SkinFailure, AnOversizedPictureIsRefusedBeforeLoading) {
    WriteOversizedBitmap("mervik_huge.bmp");
    EXPECT_FALSE(LoadPicture(test::TempPath("mervik_huge.bmp")));
    ExpectToldAndClosed("mervik_huge.bmp");
}

// A WM_CLOSE sent (not posted) from another thread or program destroys the
// window at once; the modal loop must end with it instead of waiting for a
// message that never comes.
TEST(SkinnedDialog, ASentCloseEndsTheModalLoop) {
    test::WriteBmpFile("mervik_ok_normal.bmp", 16, 8, 0x808080);
    WriteSkin("mervik_ok_normal.bmp");
    BrokenDialog dialog; // its skin is whole this time
    std::atomic<bool> sent{false};
    std::thread closer([&] {
        for (int i = 0; i < 400; ++i) {
            if (HWND window = dialog.Hwnd(); window && IsWindowVisible(window)) {
                SendMessageA(window, WM_CLOSE, 0, 0);
                sent = true;
                return;
            }
            Sleep(10);
        }
    });
    dialog.DoModal(nullptr);
    closer.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(dialog.Hwnd(), nullptr);
}

// A dialog that presses one of its buttons as soon as it is up.
class PressingDialog : public CSkinnedDialog {
public:
    explicit PressingDialog(POINT press) : CSkinnedDialog(kSkinName), press_(press) {}
    int oks = 0;

protected:
    void OnInitDialog() override {
        HWND button = ChildWindowFromPoint(Hwnd(), press_);
        PostMessageA(Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button == Hwnd() ? nullptr : button));
    }
    void OnOk() override {
        EXPECT_FALSE(Accepted()) << "the fields are taken before the dialog counts as accepted";
        ++oks;
    }

private:
    POINT press_;
};

TEST(SkinnedDialog, OkCancelAndCloseEndItAndOnlyOkAccepts) {
    test::WriteBmpFile("mervik_ok_normal.bmp", 16, 8, 0x808080);
    WriteSkin("mervik_ok_normal.bmp",
              "1=ok,0,0,4,4,,\r\n2=cancel,5,0,4,4,,\r\n3=close,10,0,4,4,,\r\n");
    struct Case {
        POINT press;
        INT_PTR result;
    } cases[] = {{{1, 1}, IDOK}, {{6, 1}, IDCANCEL}, {{11, 1}, IDCANCEL}};
    for (const Case& c : cases) {
        PressingDialog dialog(c.press);
        EXPECT_EQ(dialog.DoModal(nullptr), c.result) << c.press.x;
        EXPECT_EQ(dialog.oks, c.result == IDOK ? 1 : 0);
        EXPECT_EQ(dialog.Accepted(), c.result == IDOK);
    }
}

class ThrowingWindow : public CWindow {
public:
    bool Make() {
        return RegisterWindowClass("MervikThrowingWindow", 0, nullptr) &&
               Create(0, "MervikThrowingWindow", "", WS_POPUP, RECT{0, 0, 10, 10}, nullptr);
    }

protected:
    LRESULT OnMenuCommand(WORD) override { throw std::runtime_error("handler failed"); }
};

TEST(SkinFailure, NoExceptionLeavesAWindowProcedure) {
    ThrowingWindow window;
    ASSERT_TRUE(window.Make());
    EXPECT_EQ(SendMessageA(window.Hwnd(), WM_COMMAND, 1, 0), 0);
    EXPECT_TRUE(IsWindow(window.Hwnd())) << "the window goes on";
    window.Destroy();
}

} // namespace
} // namespace mervik::ui
