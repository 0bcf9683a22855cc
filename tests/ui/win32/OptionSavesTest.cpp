// Option's writes when they fail: each failure is named by its text in
// lan.dll, and shown as a warning with that text.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "contract/ProgramMessages.h"
#include "lang/TextIds.h"
#include "macros/MacroFile.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "tests/settings/TempFolder.h"
#include "tests/support/FakeRegistryStore.h"
#include "ui/win32/main/OptionSaves.h"
#include "ui/win32/main/ProgramWide.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik::ui {
namespace {

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
    win::SharedBlockLink noMonitor;
    EXPECT_EQ(SaveApplied(*image, folder.Folder(), registry, noMonitor), FailureTexts{});
    Block(ProfileFilePath(folder.Folder(), 3));
    EXPECT_EQ(SaveApplied(*image, folder.Folder(), registry, noMonitor),
              FailureTexts{kTextSettingsNotSaved});
    EXPECT_TRUE(std::filesystem::is_regular_file(ProfileFilePath(folder.Folder(), 4)));
}

TEST_F(OptionSaves, ApplyNamesABlockThatRefusedTheCopy) {
    win::UniqueHandle mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                 sizeof(SharedSettingsBlock), kSharedBlockName));
    ASSERT_TRUE(mapping);
    {
        win::SharedBlockLink withoutMutex; // no mutex: no copy may be made
        ASSERT_EQ(withoutMutex.Open(), win::SharedBlockLink::Attach::Attached);
        EXPECT_EQ(SaveApplied(*image, folder.Folder(), registry, withoutMutex),
                  FailureTexts{kTextBlockNotWritten});
    }
    win::UniqueHandle mutex(CreateMutexA(nullptr, FALSE, kSharedMutexName));
    win::SharedBlockLink link;
    ASSERT_EQ(link.Open(), win::SharedBlockLink::Attach::Attached);
    EXPECT_EQ(SaveApplied(*image, folder.Folder(), registry, link), FailureTexts{});
    auto copy = std::make_unique<SharedSettingsBlock>();
    ASSERT_TRUE(link.Read(*copy));
    EXPECT_EQ(copy->CurrentProfile, 2);
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

// Reads the text of the message box on screen and presses its OK button.
std::vector<std::string> g_boxTexts;

BOOL CALLBACK CollectStaticText(HWND child, LPARAM text) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    char buffer[512] = {};
    if (lstrcmpiA(name, "Static") == 0 && GetWindowTextA(child, buffer, sizeof buffer) > 0)
        *reinterpret_cast<std::string*>(text) = buffer;
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
    std::string text;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    g_boxTexts.push_back(text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(OptionFailures, EachFailureIsOneWarningWithItsTextFromLanDll) {
    ASSERT_TRUE(Program().language.Load(ProgramFolder())); // lan.dll beside the test
    g_boxTexts.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerBox);
    ShowFailures(nullptr, {kTextSettingsNotSaved, kTextMacrosNotSaved});
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_boxTexts,
              (std::vector<std::string>{"The settings could not be written to the profile files.",
                                        "The macro list could not be written to its file."}));
    Program().language.Unload();
}

} // namespace
} // namespace mervik::ui
