// Monitor.exe as a user runs it, with the simulated mouse in its folder, the
// real shared block and messages, and two windows standing in for Option and
// the on-screen display.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "contract/ProgramMessages.h"
#include "device/ReportEncoder.h"
#include "protocol/PlanText.h"
#include "protocol/ReportRate.h"
#include "service/core/MonitorConstants.h"
#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/FileSystem.h"
#include "settings/IniFile.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsKeys.h"
#include "settings/TextField.h"
#include "settings/win32/RegistryStoreWin32.h"
#include "tests/service/win32/MonitorUnderTest.h"
#include "tests/service/win32/StandInWindows.h"
#include "win32/SharedBlockViewWin32.h"

namespace mervik {
namespace {

using testing::MonitorUnderTest;
using testing::StandInWindows;

constexpr DWORD kUploadWaitMs = 20000;

int DeviceFlag(MonitorUnderTest& m) {
    return m.DeviceFlag();
}

// The start-up read-back is over once the worker has sent the fixed report.
bool StartUpDone(MonitorUnderTest& m) {
    return MonitorUnderTest::Eventually(
        5000, [](MonitorUnderTest& m) { return m.MouseNumber("fixedReports") >= 1; }, m);
}

std::string RegistryMouse(const char* name) {
    Win32RegistryStore registry;
    registry.OpenKey(RegistryKey::Mouse);
    return registry.ReadText(RegistryKey::Mouse, name).value_or("<missing>");
}

// Option's Apply: the block changed, then 1224.
void Apply(MonitorUnderTest& m, void (*edit)(SharedSettingsBlock&)) {
    auto block = m.Block();
    ASSERT_TRUE(block);
    edit(*block);
    ASSERT_TRUE(m.WriteBlock(*block));
    PostMessageA(m.Window(), kMsgApplyAllSetting, 0, 0);
}

void FastRate(SharedSettingsBlock& b) {
    b.Profiles[0].PollingRate = 3; // 1 ms
    b.Profiles[0].Cpi_X = 1;       // level 2
}

TEST(MonitorWine, StartsWithTheMouseAndReadsItsLevelBack) {
    MonitorUnderTest monitor;
    ASSERT_TRUE(monitor.Start());
    EXPECT_EQ(DeviceFlag(monitor), 1);
    EXPECT_TRUE(monitor.TrayIconShown());
    // Timer 502: the worker's read-back and the fixed report follow soon.
    EXPECT_TRUE(MonitorUnderTest::Eventually(
        5000, [](MonitorUnderTest& m) { return m.MouseNumber("fixedReports") == 1; }, monitor));
    EXPECT_EQ(monitor.CountInLog("feature 8B"), 1);
    EXPECT_EQ(monitor.Block()->Profiles[0].Cpi_X, monitor.MouseNumber("activeLevel") - 1);
    EXPECT_EQ(RegistryMouse("DoubleClickSpeed"),
              std::to_string(monitor.Block()->Profiles[0].DbleClickSpeed));

    // A second start: without "1" it ends at once, with "1" it brings up Option.
    StandInWindows windows;
    windows.OnThread([](HWND option) { ShowWindow(option, SW_MINIMIZE); });
    windows.Flush();
    EXPECT_EQ(monitor.RunSecond(""), 0);
    windows.Flush();
    EXPECT_TRUE(IsIconic(windows.Option()));
    EXPECT_EQ(monitor.RunSecond("1"), 0);
    testing::WaitUntil(5000, [&] { return !IsIconic(windows.Option()); });
    EXPECT_FALSE(IsIconic(windows.Option())) << "6001 restores Option";
    EXPECT_TRUE(monitor.Responds());
}

TEST(MonitorWine, StartsWithoutTheMouseAndAnswersApplyAtOnce) {
    MonitorUnderTest monitor(false);
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start("1"));
    EXPECT_EQ(DeviceFlag(monitor), 0);
    EXPECT_TRUE(monitor.TrayIconShown()) << "greyed, with its menu";
    Apply(monitor, FastRate);
    EXPECT_TRUE(windows.WaitFor(kMsgApplyDone, 1, 2000));
    EXPECT_TRUE(windows.WaitForStatus(
        [](const MouseStatus& s) { return !s.connected && s.holding == MouseHolding::Owed; }, 2000))
        << "Option hears the settings wait for the mouse";
}

// The second Apply comes while the first upload runs: that one stops at its
// next group and the second is sent whole, answering both.
TEST(MonitorWine, QuickAppliesEndWithTheLastAndAnswer) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("clear-log");
    Apply(monitor, [](SharedSettingsBlock& b) { b.Profiles[0].PollingRate = 0; });
    Apply(monitor, FastRate);
    ASSERT_TRUE(windows.WaitFor(kMsgApplyDone, 1, 2 * kUploadWaitMs));
    EXPECT_TRUE(MonitorUnderTest::Eventually(
        kUploadWaitMs, [](MonitorUnderTest& m) { return m.CountInLog("feature 12 04") == 1; },
        monitor))
        << "one upload whole";
    EXPECT_LE(monitor.CountInLog("feature 01"), 2);
    EXPECT_EQ(monitor.MouseNumber("reportIntervalMs"), 1);
    EXPECT_EQ(monitor.MouseNumber("activeLevel"), 2);
    EXPECT_EQ(monitor.MouseNumber("malformed"), 0);
    EXPECT_EQ(windows.Of(kMsgOsdMove).size(), 2u);
}

TEST(MonitorWine, MouseButtonsReachBlockFilesAndOption) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("dpi");
    ASSERT_TRUE(windows.WaitFor(kMsgMouseChangedLevel, 1, 5000));
    const int level = monitor.MouseNumber("activeLevel");
    EXPECT_EQ(monitor.Block()->Profiles[0].Cpi_X, level - 1);
    EXPECT_EQ(IniFile(ProfileFilePath(monitor.Folder(), 0)).ReadInt("Setting", "Cpi_X", -1),
              level - 1);

    monitor.Mouse("rate");
    ASSERT_TRUE(windows.WaitFor(kMsgMouseChangedLevel, 2, 5000));
    const int interval = monitor.MouseNumber("reportIntervalMs");
    const auto rate = wire::RateOfInterval(interval);
    ASSERT_TRUE(rate.has_value()) << interval;
    const int expected = rate->pollingRate;
    EXPECT_EQ(monitor.Block()->Profiles[0].PollingRate, expected);
}

// Option has written the block, and the mouse's DPI button comes before its
// 1224: the event starts from the block's contents, so Option's settings are
// neither overwritten in the block nor in the files.
TEST(MonitorWine, AMouseEventBetweenOptionsWriteAndItsMessageKeepsOptionsSettings) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    auto block = monitor.Block();
    ASSERT_TRUE(block);
    block->Profiles[0].DbleClickSpeed = 640;
    ASSERT_TRUE(monitor.WriteBlock(*block));
    monitor.Mouse("dpi");
    ASSERT_TRUE(windows.WaitFor(kMsgMouseChangedLevel, 1, 5000));
    PostMessageA(monitor.Window(), kMsgApplyAllSetting, 0, 0);
    ASSERT_TRUE(windows.WaitFor(kMsgApplyDone, 1, kUploadWaitMs));
    EXPECT_EQ(monitor.Block()->Profiles[0].DbleClickSpeed, 640);
    EXPECT_EQ(monitor.Block()->Profiles[0].Cpi_X, monitor.MouseNumber("activeLevel") - 1);
    EXPECT_EQ(
        IniFile(ProfileFilePath(monitor.Folder(), 0)).ReadInt("Setting", "DbleClickSpeed", -1),
        640);
}

bool Disconnected(const MouseStatus& status) {
    return !status.connected;
}

// Option stays open through a removal and hears the mouse is away; the icon
// stays, greyed.
TEST(MonitorWine, UnplugKeepsOptionAndReplugReadsBackTwice) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("unplug");
    ASSERT_TRUE(windows.WaitForStatus(Disconnected, 5000));
    EXPECT_EQ(DeviceFlag(monitor), 0);
    EXPECT_TRUE(monitor.TrayIconShown());
    windows.Flush();
    EXPECT_TRUE(windows.Of(WM_CLOSE).empty()) << "Option keeps its edits";

    monitor.Mouse("clear-log");
    monitor.Mouse("plug");
    EXPECT_TRUE(MonitorUnderTest::Eventually(
        8000, [](MonitorUnderTest& m) { return m.MouseNumber("fixedReports") >= 2; }, monitor));
    EXPECT_EQ(monitor.CountInLog("feature 8B"), 2);
    EXPECT_EQ(DeviceFlag(monitor), 1);
    EXPECT_TRUE(monitor.TrayIconShown());
}

// Sends Monitor's window one message after another until the stand-in
// windows have received `count` messages numbered `until`; the slowest answer.
struct Answers {
    double slowestMs = 0;
    int sent = 0;
};
Answers AnswersUntil(MonitorUnderTest& monitor, StandInWindows& windows, UINT until, size_t count) {
    constexpr DWORD kBetweenMs = 20; // a wait on the stand-ins, cut short when `until` comes
    Answers answers;
    const DWORD start = GetTickCount();
    do {
        answers.slowestMs = std::max(answers.slowestMs, monitor.AnswerMs());
        ++answers.sent;
    } while (!windows.WaitFor(until, count, kBetweenMs) && GetTickCount() - start < kUploadWaitMs);
    return answers;
}

// The worker lets an arriving mouse settle for a second, reads it back and
// uploads; all the while the hidden window answers at once, since it never
// waits on the mouse.
TEST(MonitorWine, TheWindowAnswersAtOnceDuringAnArrivalAndAnUpload) {
    constexpr double kPromptMs = 50;
    MonitorUnderTest monitor;
    StandInWindows windows(StandInWindows::OnClose::StayOpen);
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("unplug");
    ASSERT_TRUE(windows.WaitForStatus(Disconnected, 5000));

    // From the plug to the arrival's first read-back (1254 to Option).
    const size_t readBacks = windows.Of(kMsgDpiReadBack).size();
    monitor.Mouse("plug");
    const Answers arrival = AnswersUntil(monitor, windows, kMsgDpiReadBack, readBacks + 1);
    EXPECT_LT(arrival.slowestMs, kPromptMs) << arrival.sent << " messages during the arrival";
    EXPECT_GE(arrival.sent, 10) << "the settling second was spanned";

    // From the Apply's start (its notice move to the display) to its answer.
    ASSERT_TRUE(MonitorUnderTest::Eventually(
        8000, [](MonitorUnderTest& m) { return m.MouseNumber("fixedReports") >= 2; }, monitor));
    const size_t moves = windows.Of(kMsgOsdMove).size();
    Apply(monitor, FastRate);
    ASSERT_TRUE(windows.WaitFor(kMsgOsdMove, moves + 1, 5000));
    const Answers upload = AnswersUntil(monitor, windows, kMsgApplyDone, 1);
    EXPECT_LT(upload.slowestMs, kPromptMs) << upload.sent << " messages during the upload";
    EXPECT_GE(upload.sent, 10) << "the upload's seconds were spanned";
    EXPECT_EQ(monitor.CountInLog("feature 12 04"), 1) << "the upload was whole";
}

// The transfers of a whole upload of profile `index` as the encoder plans it
// from the program folder's files, as `mervikctl encode --profile` prints it.
std::vector<std::string> PlannedUpload(const std::string& folder, int index) {
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadAll(*image, folder);
    std::vector<std::string> lines;
    const UploadPlan plan = EncodeUpload(image->Profiles[index]);
    for (const PlanStep& step : plan.Steps())
        if (step.kind != StepKind::Pause)
            lines.push_back(PlanStepLine(step));
    return lines;
}

// The mouse's log ends with exactly these transfers.
bool LogEndsWith(MonitorUnderTest& monitor, const std::vector<std::string>& upload) {
    const std::vector<std::string> log = monitor.Transfers();
    return log.size() >= upload.size() &&
           std::equal(upload.begin(), upload.end(), log.end() - static_cast<long>(upload.size()));
}

TEST(MonitorWine, AForegroundProgramLinkedToProfile3GetsItsUploadToTheMouse) {
    MonitorUnderTest monitor(true, [](SharedSettingsBlock& b) {
        SetTextField(b.Profiles[3].GameFile, "C:\\Tests\\MONITOR_WINE_TESTS.EXE");
        b.Profiles[3].DbleClickSpeed = 555;
        b.Profiles[3].PollingRate = 3;
        b.Profiles[3].Cpi_X = 4;
    });
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    windows.OnThread([](HWND option) {
        ShowWindow(option, SW_RESTORE);
        SetForegroundWindow(option);
    });
    ASSERT_TRUE(windows.WaitFor(kMsgProfileSwitched, 1, 8000));
    EXPECT_EQ(monitor.Block()->CurrentProfile, 3);
    EXPECT_EQ(RegistryMouse("DoubleClickSpeed"), "555");
    const std::vector<std::string> planned = PlannedUpload(monitor.Folder(), 3);
    EXPECT_TRUE(testing::WaitUntil(kUploadWaitMs, [&] { return LogEndsWith(monitor, planned); }))
        << "the log ends with profile 3's whole upload";
    EXPECT_EQ(monitor.MouseNumber("reportIntervalMs"), 1);
    EXPECT_EQ(monitor.MouseNumber("activeLevel"), 5);
    EXPECT_EQ(windows.Of(kMsgApplyDone).size(), 0u) << "nobody applied anything";
}

// Notepad and this test's window take turns in the foreground, each as soon
// as the service has followed the last one (its check runs every 2 s): ten
// switches, each uploading while the last upload still runs. The mouse ends
// with the last profile, and no upload is left behind it.
TEST(MonitorWine, AlternatingForegroundProgramsLeaveNoBacklog) {
    MonitorUnderTest monitor(true, [](SharedSettingsBlock& b) {
        SetTextField(b.Profiles[1].GameFile, "notepad.exe");
        b.Profiles[1].PollingRate = 0;
        SetTextField(b.Profiles[3].GameFile, "monitor_wine_tests.exe");
        b.Profiles[3].PollingRate = 3;
    });
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION notepad{};
    char commandLine[] = "notepad.exe";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &notepad));
    WaitForInputIdle(notepad.hProcess, 10000);
    HWND notepadWindow = nullptr;
    testing::WaitUntil(10000, [&] {
        notepadWindow = FindWindowA("Notepad", nullptr);
        return notepadWindow != nullptr;
    });
    ASSERT_TRUE(notepadWindow);

    constexpr int kSwitches = 10;
    int profile = -1;
    for (int n = 1; n <= kSwitches; ++n) {
        if (n % 2 == 1) {
            SetForegroundWindow(notepadWindow);
            profile = 1;
        } else {
            windows.OnThread([](HWND option) { SetForegroundWindow(option); });
            profile = 3;
        }
        ASSERT_TRUE(windows.WaitFor(kMsgProfileSwitched, static_cast<size_t>(n), 8000)) << n;
        EXPECT_EQ(monitor.Block()->CurrentProfile, profile);
    }
    const int startedBefore = monitor.CountInLog("feature 01");
    const std::vector<std::string> planned = PlannedUpload(monitor.Folder(), profile);
    EXPECT_TRUE(testing::WaitUntil(kUploadWaitMs, [&] { return LogEndsWith(monitor, planned); }))
        << "the last profile, whole";
    EXPECT_LE(monitor.CountInLog("feature 01") - startedBefore, 1)
        << "after the last switch, at most its own upload began";
    EXPECT_LE(startedBefore, kSwitches + 1) << "one upload a switch at most";
    EXPECT_EQ(monitor.MouseNumber("malformed"), 0);
    EXPECT_EQ(monitor.MouseNumber("reportIntervalMs"), 1);
    TerminateProcess(notepad.hProcess, 0);
    CloseHandle(notepad.hProcess);
    CloseHandle(notepad.hThread);
}

TEST(MonitorWine, NoticeTextFromACompanion) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    std::string payload(151, 'N'); // no terminator within the payload
    COPYDATASTRUCT data{kCopyDataNotice, static_cast<DWORD>(payload.size()), payload.data()};
    EXPECT_EQ(SendMessageA(monitor.Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), 1);
    EXPECT_EQ(
        IniFile(monitor.ConfigPath()).ReadText(keys::kOsdDataSection, keys::kOsdMessageKey, ""),
        std::string(150, 'N'));
    EXPECT_TRUE(windows.WaitFor(kMsgOsdShow, 1, 2000));

    COPYDATASTRUCT other{150, 3, const_cast<char*>("\0X")};
    EXPECT_EQ(SendMessageA(monitor.Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&other)), 1);
    EXPECT_EQ(
        IniFile(monitor.ConfigPath()).ReadText(keys::kOsdDataSection, keys::kOsdMessageKey, ""),
        std::string(150, 'N'));
}

TEST(MonitorWine, MouseVanishingMidUploadGetsTheUploadAgain) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("vanish 5");
    Apply(monitor, FastRate);
    ASSERT_TRUE(windows.WaitForStatus(
        [](const MouseStatus& s) { return !s.connected && s.holding == MouseHolding::Owed; },
        8000));
    EXPECT_TRUE(windows.WaitFor(kMsgApplyDone, 1, 8000)) << "the cut upload still answers";
    EXPECT_TRUE(monitor.Responds());
    EXPECT_EQ(DeviceFlag(monitor), 0);

    monitor.Mouse("clear-log");
    monitor.Mouse("plug");
    EXPECT_TRUE(MonitorUnderTest::Eventually(
        kUploadWaitMs, [](MonitorUnderTest& m) { return m.CountInLog("feature 12 04") == 1; },
        monitor));
    MonitorUnderTest::Eventually(
        kUploadWaitMs,
        [](MonitorUnderTest& m) {
            return m.MouseNumber("reportIntervalMs") == 1 && m.MouseNumber("activeLevel") == 2 &&
                   m.Block()->Profiles[0].Cpi_X == 1;
        },
        monitor);
    EXPECT_EQ(monitor.MouseNumber("reportIntervalMs"), 1);
    EXPECT_EQ(monitor.MouseNumber("activeLevel"), 2);
    EXPECT_EQ(monitor.Block()->Profiles[0].Cpi_X, 1)
        << "the applied level, not the mouse's old one";
}

// A mouse refusing transfers while it stays is tried again on the window's
// timers; Option hears each step.
TEST(MonitorWine, AFailedTransferIsTriedAgainAndOptionIsTold) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    windows.Flush();
    windows.Clear(); // the start-up's status
    monitor.Mouse("fail 2");
    Apply(monitor, FastRate);
    ASSERT_TRUE(windows.WaitFor(kMsgApplyDone, 1, kUploadWaitMs));
    ASSERT_TRUE(windows.WaitForStatus(
        [](const MouseStatus& s) { return s.connected && s.holding == MouseHolding::Current; },
        3000 + 2 * kUploadWaitMs));
    EXPECT_EQ(monitor.MouseNumber("reportIntervalMs"), 1);
    EXPECT_EQ(monitor.MouseNumber("activeLevel"), 2);
    int retries = 0;
    for (const MouseStatus& status : windows.Statuses())
        retries += status.holding == MouseHolding::Retrying;
    EXPECT_EQ(retries, 2);
    EXPECT_FALSE(windows.Of(kMsgUploadProgress).empty());
}

// A program folder outside the ANSI code page, as under a user name in
// Cyrillic or Chinese: the service finds its library, files and language.
TEST(MonitorWine, RunsFromAFolderNamedInCyrillicAndChinese) {
    // "-Мышь-鼠标" in UTF-8.
    MonitorUnderTest monitor(true, nullptr,
                             "-\xD0\x9C\xD1\x8B\xD1\x88\xD1\x8C-\xE9\xBC\xA0\xE6\xA0\x87");
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    EXPECT_EQ(DeviceFlag(monitor), 1) << "the mouse library loaded and config.ini written";
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("clear-log");
    Apply(monitor, FastRate);
    ASSERT_TRUE(windows.WaitFor(kMsgApplyDone, 1, kUploadWaitMs));
    EXPECT_EQ(monitor.CountInLog("feature 12 04"), 1) << "the whole upload reached the mouse";
    EXPECT_EQ(monitor.MouseNumber("reportIntervalMs"), 1);
    EXPECT_GE(IniFile(ProfileFilePath(monitor.Folder(), 0)).ReadInt("Setting", "Cpi_X", -1), 0)
        << "the start-up read-back saved the profile file in that folder";
}

// Option keeps handles to both named mutexes after a Monitor ends, and any
// program may make them: only a running Monitor keeps a new one from starting.
TEST(MonitorWine, MutexesHeldByOtherProgramsDoNotKeepTheServiceFromStarting) {
    HANDLE instance = CreateMutexA(nullptr, FALSE, kMonitorInstanceMutexName);
    HANDLE block = CreateMutexA(nullptr, FALSE, kSharedMutexName);
    ASSERT_TRUE(instance && block);
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    EXPECT_TRUE(monitor.Block()) << "the block is there and readable";
    EXPECT_EQ(DeviceFlag(monitor), 1);
    EXPECT_EQ(monitor.RunSecond(""), 0) << "a second start still ends at once";
    EXPECT_TRUE(monitor.Responds());
    CloseHandle(block);
    CloseHandle(instance);
}

// A program that holds the block's mutex for long must not freeze the
// service: its copies fail after a bounded wait and it keeps answering.
TEST(MonitorWine, AHeldBlockMutexDoesNotFreezeTheService) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    HANDLE block = OpenMutexA(SYNCHRONIZE, FALSE, kSharedMutexName);
    ASSERT_TRUE(block);
    ASSERT_EQ(WaitForSingleObject(block, 5000), WAIT_OBJECT_0);
    PostMessageA(monitor.Window(), kMsgApplyAllSetting, 0, 0);
    EXPECT_TRUE(monitor.Responds()) << "the window thread came back";
    ReleaseMutex(block);
    CloseHandle(block);
    EXPECT_TRUE(monitor.Block());
}

// The tray's choice of profile `index`, sent: the time the window took, in ms.
double ChooseInTray(MonitorUnderTest& m, int index) {
    const ULONGLONG start = GetTickCount64();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(m.Window(), WM_COMMAND, monitor::kCmdFirstProfile + index, 0, SMTO_NORMAL,
                        20000, &result);
    return static_cast<double>(GetTickCount64() - start);
}

// What a lock held elsewhere costs the window: a tray choice behind it less
// the same choice made with it free just before. The choice's own work (the
// block, the pointer settings' broadcasts to every window, the notices) takes
// about 50 ms on a quiet machine and over 500 ms on a loaded one, so the sum
// would measure the machine; the difference is the lock's wait, at most, and
// a sample's jitter. These cases run alone, beside none of the suite's other
// sessions.
constexpr double kJitterMs = 250;
static_assert(fs::kSaveLockWaitMs + kJitterMs < 1000 &&
                  win::SharedBlockView::kLockTimeoutMs + kJitterMs < 1000,
              "a held lock keeps the window for less than a second");

struct ChoiceTimes {
    double free = 0;
    double held = 0;
};

std::ostream& operator<<(std::ostream& out, const ChoiceTimes& times) {
    return out << times.held << " ms behind the lock, " << times.free << " ms without it";
}

int CurrentProfileInFile(MonitorUnderTest& m) {
    return IniFile(m.ConfigPath()).ReadInt(keys::kSettingSection, keys::kCurrentProfile, -1);
}

// Another program holds the block's mutex while the user chooses a profile in
// the tray: the window waits for it no longer than a copy does, and once the
// mutex is free the block shows the choice and Option hears of it.
TEST(MonitorWine, ATrayChoiceWhileTheBlockIsHeldReachesTheBlockOnceFree) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    ChoiceTimes times;
    times.free = ChooseInTray(monitor, 1);
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, kSharedMutexName);
    ASSERT_TRUE(mutex);
    ASSERT_EQ(WaitForSingleObject(mutex, 5000), WAIT_OBJECT_0);
    times.held = ChooseInTray(monitor, 2);
    EXPECT_LT(times.held - times.free, win::SharedBlockView::kLockTimeoutMs + kJitterMs) << times;
    const size_t switches = windows.Of(kMsgProfileSwitched).size();
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    EXPECT_TRUE(testing::WaitUntil(5000, [&] {
        auto block = monitor.Block();
        return block && block->CurrentProfile == 2;
    }));
    EXPECT_TRUE(windows.WaitFor(kMsgProfileSwitched, switches + 1, 5000));
    EXPECT_EQ(CurrentProfileInFile(monitor), 2);
    monitor.EndNow();
}

// Another program holds the settings' save lock: the tray's choice still
// switches, the window waits for the lock no longer than the lock's bound,
// and the save is not made without the lock.
TEST(MonitorWine, AHeldSaveLockCostsTheTraysSaveNotTheWindow) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    ChoiceTimes times;
    times.free = ChooseInTray(monitor, 2);
    ASSERT_EQ(CurrentProfileInFile(monitor), 2);
    HANDLE lock = CreateMutexA(nullptr, FALSE, fs::kSaveLockName);
    ASSERT_TRUE(lock);
    ASSERT_EQ(WaitForSingleObject(lock, 5000), WAIT_OBJECT_0);
    times.held = ChooseInTray(monitor, 3);
    EXPECT_LT(times.held - times.free, fs::kSaveLockWaitMs + kJitterMs) << times;
    EXPECT_EQ(monitor.Block()->CurrentProfile, 3);
    EXPECT_EQ(CurrentProfileInFile(monitor), 2) << "not saved without the lock";
    ReleaseMutex(lock);
    CloseHandle(lock);
    ChooseInTray(monitor, 1);
    EXPECT_EQ(CurrentProfileInFile(monitor), 1);
    monitor.EndNow();
}

TEST(MonitorWine, TrayExitEndsTheProcessAndRemovesTheBlock) {
    MonitorUnderTest monitor;
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(monitor.Block());
    PostMessageA(monitor.Window(), WM_COMMAND, monitor::kCmdExit, 0);
    EXPECT_EQ(monitor.WaitForExit(15000), 0);
    EXPECT_FALSE(monitor.Block());
    EXPECT_TRUE(windows.WaitFor(WM_CLOSE, 1, 2000)) << "Option is closed with the service";
}

} // namespace
} // namespace mervik
