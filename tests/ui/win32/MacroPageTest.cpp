#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "lang/TextIds.h"
#include "settings/ProfileDefaults.h"
#include "tests/ui/win32/TestWindows.h"
#include "ui/win32/capture/KeyCapture.h"
#include "ui/win32/controls/CSpinField.h"
#include "ui/win32/controls/CclickHSlider.h"
#include "ui/win32/pages/CAdvanceSettingPage.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {
namespace {

// A small page skin with the controls these tests reach: the double-click
// slider (4), New (10), both lists (13, 14), Record (15), Stop (16), the
// repeat field (17), record delays (19).
void WriteMacroPageSkin() {
    for (const char* name :
         {"mp_mask.bmp", "mp_normal.bmp", "mp_over.bmp", "mp_down.bmp", "mp_disable.bmp"})
        test::WriteBmpFile(name, 400, 300, 0x202020);
    test::WriteBmpFile("slider_thumb.bmp", 10, 12, 0x808080);
    FILE* f = fopen(test::TempPath("skin_advance_setting.ini").c_str(), "wb");
    fputs("[SCREEN]\r\nMask=mp_mask.bmp\r\nNormal=mp_normal.bmp\r\nOver=mp_over.bmp\r\n"
          "Down=mp_down.bmp\r\nDisable=mp_disable.bmp\r\n[BUTTONPOS]\r\n"
          "4=dbl,10,10,200,12,\r\n10=new,10,30,40,20,\r\n13=macros,10,60,100,200,\r\n"
          "14=steps,120,60,200,200,\r\n15=record,60,30,40,20,\r\n16=stop,110,30,40,20,\r\n"
          "17=repeat,330,60,40,20,\r\n19=delays,330,90,40,20,\r\n",
          f);
    fclose(f);
    SetSkinFolder(test::TempPath(""));
}

class MacroPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteMacroPageSkin();
        working = std::make_unique<SharedSettingsBlock>();
        CreateImage(*working);
        ResetAllProfiles(*working);
        applied = std::make_unique<SharedSettingsBlock>(*working);
        applied->Profiles[0].DbleClickSpeed = 480;
        MacroRecord record = NewMacroRecord("Fire");
        record.Events[0] = {4, MacroPress, 0};
        record.EventCount = 1;
        macros.Append(record);
        page.Bind(AdvancePageHost{working.get(),
                                  applied.get(),
                                  &macros,
                                  nullptr,
                                  {},
                                  {},
                                  {},
                                  [this](unsigned id) { warnings.push_back(id); },
                                  {}});
        ASSERT_TRUE(page.Create(parent.Hwnd()));
        page.CreateControls();
        page.Refresh(*working);
        test::FlushEvents();
        savedDoubleClick = GetDoubleClickTime();
    }
    void TearDown() override {
        page.Destroy();
        SetDoubleClickTime(savedDoubleClick);
        RemoveKeyHook();
    }
    void Press(int key) {
        SendMessageA(page.Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(page.ButtonAt(key)->Hwnd()));
        test::FlushEvents();
    }

    test::RecordingParent parent;
    std::unique_ptr<SharedSettingsBlock> working, applied;
    MacroList macros;
    CAdvanceSettingPage page;
    UINT savedDoubleClick = 0;
    std::vector<unsigned> warnings;
};

HWND MacroListOf(HWND page) {
    return FindWindowExA(page, nullptr, "ListBox", nullptr);
}

TEST_F(MacroPageTest, DoubleClickTimeIsFeltAtOnceAndUndoneWhenLeftUnapplied) {
    HWND slider = FindWindowExA(page.Hwnd(), nullptr, CclickHSlider::kClassName, nullptr);
    ASSERT_NE(slider, nullptr);
    SendMessageA(slider, WM_LBUTTONUP, 0, MAKELPARAM(199, 5)); // its right end: the fastest
    test::FlushEvents();
    EXPECT_EQ(working->Profiles[0].DbleClickSpeed, 200);
    EXPECT_EQ(GetDoubleClickTime(), 200u);
    page.Destroy(); // Cancel or close: the main window goes, the page with it
    EXPECT_EQ(GetDoubleClickTime(), 480u) << "the system kept a time no file holds";
}

TEST_F(MacroPageTest, RecordingCapturesTheKeyboardUntilStopOrThePageGoes) {
    Press(15);
    ASSERT_TRUE(page.Recording());
    EXPECT_TRUE(KeyCaptureActive());
    EXPECT_EQ(KeyCaptureTarget(), page.Hwnd());
    EXPECT_EQ(page.Steps().count, 0) << "Record starts from no steps";
    SendMessageA(page.Hwnd(), kMsgCapturedKey, 'B', 0);
    SendMessageA(page.Hwnd(), kMsgCapturedKey, 'B', kCapturedKeyUp);
    EXPECT_EQ(page.Steps().count, 2);
    // The keys are in the record already, whatever ends the recording.
    EXPECT_EQ(macros.RecordAt(0)->EventCount, 2);
    EXPECT_EQ(macros.RecordAt(0)->Events[0].code, 5);
    Press(16);
    EXPECT_FALSE(KeyCaptureActive());

    Press(15);
    ASSERT_TRUE(KeyCaptureActive());
    page.Destroy();
    EXPECT_FALSE(KeyCaptureActive()) << "the keyboard stayed captured without a window";
}

// New, a name typed and not confirmed, then Record: the name is taken first,
// and the recording goes into the macro selected when Record was pressed.
TEST_F(MacroPageTest, ANameBeingTypedIsTakenBeforeACommandActs) {
    Press(10);
    HWND editor = FindWindowExA(MacroListOf(page.Hwnd()), nullptr, "Edit", nullptr);
    ASSERT_NE(editor, nullptr) << "New opened no name entry";
    SetWindowTextA(editor, "Jump");
    Press(15);
    ASSERT_EQ(macros.Count(), 2) << "the name typed was dropped";
    EXPECT_STREQ(macros.RecordAt(1)->Name, "Jump");
    ASSERT_TRUE(page.Recording());
    EXPECT_EQ(page.SelectedMacro(), 0);
    SendMessageA(page.Hwnd(), kMsgCapturedKey, 'B', 0);
    test::FlushEvents();
    EXPECT_EQ(macros.RecordAt(0)->EventCount, 1);
    EXPECT_EQ(macros.RecordAt(0)->Events[0].code, 5);
    EXPECT_EQ(macros.RecordAt(1)->EventCount, 0) << "the keys went into the new macro";
    Press(16);
}

// The record holds code-page bytes: a letter without a form there would be
// stored as "?", a name nobody typed.
TEST_F(MacroPageTest, ANameTheCodePageCannotHoldIsRefused) {
    if (GetACP() == CP_UTF8)
        GTEST_SKIP() << "every letter has a form in this code page";
    Press(10);
    HWND editor = FindWindowExA(MacroListOf(page.Hwnd()), nullptr, "Edit", nullptr);
    ASSERT_NE(editor, nullptr);
    SetWindowTextW(editor, L"Fire \x0416\x4E00");
    page.CommitEdits();
    test::FlushEvents();
    EXPECT_EQ(macros.Count(), 1);
    EXPECT_EQ(SendMessageA(MacroListOf(page.Hwnd()), LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(warnings, std::vector<unsigned>{kTextNameNotInCodePage});
}

TEST_F(MacroPageTest, RecordDelaysCannotChangeDuringARecording) {
    HWND delays = page.ButtonAt(19)->Hwnd();
    EXPECT_TRUE(IsWindowEnabled(delays));
    Press(15);
    EXPECT_FALSE(IsWindowEnabled(delays))
        << "a click would change nothing until the next recording";
    Press(16);
    EXPECT_TRUE(IsWindowEnabled(delays));
}

TEST_F(MacroPageTest, NewOnAFullListSaysWhy) {
    while (!macros.Full())
        macros.Append(NewMacroRecord(std::to_string(macros.Count())));
    Press(10);
    EXPECT_EQ(FindWindowExA(MacroListOf(page.Hwnd()), nullptr, "Edit", nullptr), nullptr);
    EXPECT_EQ(warnings, std::vector<unsigned>{kTextMacroListFull});
}

TEST_F(MacroPageTest, OneCaptureAtATime) {
    ASSERT_TRUE(InstallKeyHook(parent.Hwnd()));
    EXPECT_FALSE(InstallKeyHook(page.Hwnd()));
    EXPECT_EQ(KeyCaptureTarget(), parent.Hwnd());
    RemoveKeyHookOf(page.Hwnd()); // not the holder: nothing happens
    EXPECT_TRUE(KeyCaptureActive());
    RemoveKeyHookOf(parent.Hwnd());
    EXPECT_FALSE(KeyCaptureActive());
}

TEST(KeyCapture, ACaptureWhoseWindowIsGoneLetsKeysThroughAndEnds) {
    HWND target = CreateWindowExA(0, "STATIC", "target", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(InstallKeyHook(target));
    DestroyWindow(target); // gone without ending its capture
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = VK_F13;
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, key, sizeof(INPUT));
    for (int round = 0; round < 50 && KeyCaptureActive(); ++round) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        test::FlushEvents();
    }
    EXPECT_FALSE(KeyCaptureActive());
}

TEST(CSpinField, ArrowsAndTypedNumbersStayInRangeAndReport) {
    test::RecordingParent parent;
    CSpinField spin;
    std::vector<int> reports;
    spin.onChange = [&](int value) { reports.push_back(value); };
    auto take = [&] {
        test::FlushEvents();
        return std::exchange(reports, {});
    };
    ASSERT_TRUE(spin.Create(parent.Hwnd(), RECT{0, 0, 66, 24}, nullptr, SpinRange{-5, 5}));
    spin.SetValue(4);
    EXPECT_TRUE(take().empty()) << "showing a value is no change";
    HWND up = GetWindow(spin.Hwnd(), GW_CHILD);
    for (HWND child = up; child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        POINT at{r.left, r.top};
        ScreenToClient(spin.Hwnd(), &at);
        if (at.x > 40 && at.y == 0)
            up = child;
    }
    SendMessageA(spin.Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(up));
    SendMessageA(spin.Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(up));
    EXPECT_EQ(take(), std::vector<int>{5}) << "the second step up passed the end of the range";

    SetWindowTextA(spin.Edit().Hwnd(), "-9");
    SendMessageA(spin.Edit().Hwnd(), WM_KEYUP, VK_RETURN, 0);
    EXPECT_EQ(take(), std::vector<int>{-5});
    EXPECT_EQ(spin.Edit().Text(), "-5");

    // The arrow keys step from what is typed, never past the range.
    SetWindowTextA(spin.Edit().Hwnd(), "2");
    SendMessageA(spin.Edit().Hwnd(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(take(), (std::vector<int>{2, 3}));
    EXPECT_EQ(spin.Edit().Text(), "3");
    spin.SetValue(-5);
    SendMessageA(spin.Edit().Hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(take().empty()) << "a step down from the bottom of the range";
    spin.Destroy();
}

} // namespace
} // namespace mervik::ui
