// Option's writes when they fail: each failure is named by its text in
// lan.dll, and shown as a warning with that text.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "contract/ProgramMessages.h"
#include "lang/TextIds.h"
#include "macros/MacroFile.h"
#include "settings/FilePaths.h"
#include "settings/FileSystem.h"
#include "settings/ProfileDefaults.h"
#include "tests/settings/TempFolder.h"
#include "tests/support/FakeRegistryStore.h"
#include "tests/ui/win32/TestWindows.h"
#include "ui/win32/main/BlockHandOver.h"
#include "ui/win32/main/OptionSaves.h"
#include "ui/win32/main/ProgramWide.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik::ui {
namespace {

// Another program's thread takes the named mutex and keeps it until this
// object goes.
class HeldElsewhere {
public:
    explicit HeldElsewhere(const char* name)
        : taken_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), name_(name) {
        thread_ = CreateThread(nullptr, 0, Hold, this, 0, nullptr);
        EXPECT_EQ(WaitForSingleObject(taken_.get(), 5000), WAIT_OBJECT_0);
    }
    ~HeldElsewhere() {
        SetEvent(release_.get());
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }

private:
    static DWORD WINAPI Hold(void* self) {
        auto* held = static_cast<HeldElsewhere*>(self);
        HANDLE mutex = CreateMutexA(nullptr, FALSE, held->name_);
        WaitForSingleObject(mutex, INFINITE);
        SetEvent(held->taken_.get());
        WaitForSingleObject(held->release_.get(), INFINITE);
        ReleaseMutex(mutex);
        CloseHandle(mutex);
        return 0;
    }

    win::UniqueHandle taken_, release_;
    const char* name_;
    HANDLE thread_ = nullptr;
};

struct OptionSaves : ::testing::Test {
    testing::TempFolder folder;
    testing::FakeRegistryStore registry;
    std::unique_ptr<SharedSettingsBlock> image = std::make_unique<SharedSettingsBlock>();

    void SetUp() override {
        CreateImage(*image);
        ResetAllProfiles(*image);
        image->CurrentProfile = 2;
    }
    // A folder where the file should be: it can no longer be replaced.
    static void Block(const std::string& path) {
        std::filesystem::remove(path);
        std::filesystem::create_directories(path);
    }
};

TEST_F(OptionSaves, ApplyNamesTheFilesThatCouldNotBeWritten) {
    MacroList list;
    EXPECT_EQ(
        SaveAppliedFiles(*image, folder.Folder(), registry, list, MacroFilePath(folder.Folder())),
        FailureTexts{});
    Block(ProfileFilePath(folder.Folder(), 3));
    Block(MacroFilePath(folder.Folder()));
    EXPECT_EQ(
        SaveAppliedFiles(*image, folder.Folder(), registry, list, MacroFilePath(folder.Folder())),
        (FailureTexts{kTextSettingsNotSaved, kTextMacrosNotSaved}));
    EXPECT_TRUE(std::filesystem::is_regular_file(ProfileFilePath(folder.Folder(), 4)));
}

// Another program keeps the save lock: Apply's window waits a moment, saves
// nothing and says so, rather than freezing or writing without the lock.
TEST_F(OptionSaves, ASaveLockHeldElsewhereFailsTheSaveSoonAndWritesNothing) {
    MacroList list;
    ASSERT_EQ(
        SaveAppliedFiles(*image, folder.Folder(), registry, list, MacroFilePath(folder.Folder())),
        FailureTexts{});
    const std::string config = testing::TempFolder::Read(ConfigFilePath(folder.Folder()));
    image->CurrentProfile = 4;
    {
        HeldElsewhere other(fs::kSaveLockName);
        const ULONGLONG start = GetTickCount64();
        EXPECT_EQ(SaveAppliedFiles(*image, folder.Folder(), registry, list,
                                   MacroFilePath(folder.Folder())),
                  FailureTexts{kTextFilesBusy});
        EXPECT_LT(GetTickCount64() - start, 1000u);
    }
    EXPECT_EQ(testing::TempFolder::Read(ConfigFilePath(folder.Folder())), config);
    EXPECT_EQ(
        SaveAppliedFiles(*image, folder.Folder(), registry, list, MacroFilePath(folder.Folder())),
        FailureTexts{});
    EXPECT_NE(testing::TempFolder::Read(ConfigFilePath(folder.Folder())), config);
}

// Monitor's block, with its real mapping and mutex, and a window captioned as
// Monitor's that records what reaches it.
struct HandOverToMonitor : OptionSaves {
    win::UniqueHandle mapping{CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                 sizeof(SharedSettingsBlock), kSharedBlockName)};
    win::UniqueHandle mutex{CreateMutexA(nullptr, FALSE, kSharedMutexName)};
    test::RecordingParent monitor;
    win::SharedBlockLink link;

    void SetUp() override {
        OptionSaves::SetUp();
        ASSERT_TRUE(mapping && mutex);
        SetWindowTextA(monitor.Hwnd(), kMonitorCaption);
        ASSERT_EQ(link.Open(), win::SharedBlockLink::Attach::Attached);
        test::RecordingParent::Log().clear();
    }
    int CurrentInBlock() {
        auto copy = std::make_unique<SharedSettingsBlock>();
        EXPECT_TRUE(link.Read(*copy));
        return copy->CurrentProfile;
    }
};

TEST_F(HandOverToMonitor, WritesTheBlockAndWakesMonitor) {
    BlockHandOver handOver(link, monitor.Hwnd());
    EXPECT_EQ(handOver.HandOver(*image), BlockHandOver::Outcome::Posted);
    EXPECT_EQ(handOver.Monitor(), monitor.Hwnd());
    EXPECT_EQ(CurrentInBlock(), 2);
    test::FlushEvents();
    EXPECT_EQ(monitor.Take(kMsgApplyAllSetting).size(), 1u);
}

// Another program holds the block's mutex while Apply hands over: Apply comes
// back within a second, and the block and Monitor get the settings as soon as
// the mutex is free.
TEST_F(HandOverToMonitor, AHeldMutexOwesTheHandOverUntilItIsFree) {
    BlockHandOver handOver(link, monitor.Hwnd());
    auto other = std::make_unique<HeldElsewhere>(kSharedMutexName);
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(handOver.HandOver(*image), BlockHandOver::Outcome::Owed);
    EXPECT_LT(GetTickCount64() - start, 1000u);
    EXPECT_TRUE(handOver.Owed());

    BlockHandOver::Outcome outcome{};
    int ticks = 0;
    auto nextTick = [&] {
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (msg.message == WM_TIMER && msg.hwnd == monitor.Hwnd() &&
                msg.wParam == BlockHandOver::kRetryTimer) {
                ++ticks;
                return handOver.Retry(*image, outcome);
            }
            DispatchMessageA(&msg);
        }
        return false;
    };
    EXPECT_FALSE(nextTick()) << "still held";
    EXPECT_TRUE(monitor.Take(kMsgApplyAllSetting).empty());
    other.reset();
    EXPECT_TRUE(nextTick());
    EXPECT_EQ(outcome, BlockHandOver::Outcome::Posted);
    EXPECT_FALSE(handOver.Owed());
    EXPECT_EQ(CurrentInBlock(), 2);
    test::FlushEvents();
    EXPECT_EQ(monitor.Take(kMsgApplyAllSetting).size(), 1u);
}

TEST_F(OptionSaves, MacrosAreWrittenOnlyWhereTheyMayBeAndFailuresNamed) {
    MacroList list;
    EXPECT_EQ(SaveMacros("", list), FailureTexts{});
    list.Append(NewMacroRecord("Made"));
    EXPECT_EQ(SaveMacros("", list), FailureTexts{kTextMacrosNotSaved})
        << "macros made with nowhere to keep them vanished without a word";
    const std::string path = MacroFilePath(folder.Folder());
    EXPECT_EQ(SaveMacros(path, list), FailureTexts{});
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    Block(path);
    EXPECT_EQ(SaveMacros(path, list), FailureTexts{kTextMacrosNotSaved});
}

// What the message box on screen says and is titled, read as UTF-16, and
// whether a peer looking for Option by its old caption met it; then its OK.
struct Box {
    std::wstring title;
    std::wstring text;
    bool foundByOldCaption = false;
};
std::vector<Box> g_boxes;

BOOL CALLBACK CollectStaticText(HWND child, LPARAM text) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    wchar_t buffer[512] = {};
    if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextW(child, buffer, 512) > 0)
        *reinterpret_cast<std::wstring*>(text) = buffer;
    return TRUE;
}

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    Box seen;
    wchar_t title[128] = {};
    GetWindowTextW(box, title, 128);
    seen.title = title;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen.text));
    seen.foundByOldCaption = FindWindowA(nullptr, kOptionCaption) == box;
    g_boxes.push_back(seen);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Each failure is a box of its own, its text and title from lan.dll as UTF-16,
// readable in any code page; the old caption stays the peer window's alone.
TEST(OptionFailures, EachFailureIsOneWarningWithItsTextFromLanDll) {
    ASSERT_TRUE(Program().language.Load(ProgramFolder())); // lan.dll beside the test
    g_boxes.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerBox);
    ShowFailures(nullptr, {kTextSettingsNotSaved, kTextMacrosNotSaved});
    KillTimer(nullptr, timer);
    ASSERT_EQ(g_boxes.size(), 2u);
    EXPECT_EQ(g_boxes[0].text, L"The settings could not be written to the profile files.");
    EXPECT_EQ(g_boxes[1].text, L"The macro list could not be written to its file.");
    for (const Box& box : g_boxes) {
        EXPECT_EQ(box.title, L"Mervik Option");
        EXPECT_FALSE(box.foundByOldCaption);
    }
    Program().language.Unload();
}

} // namespace
} // namespace mervik::ui
