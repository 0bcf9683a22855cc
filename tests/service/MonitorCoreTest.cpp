#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "contract/ProgramMessages.h"
#include "protocol/DeviceMessages.h"
#include "service/core/DeviceNotices.h"
#include "service/core/NoticeText.h"
#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "settings/TextField.h"
#include "tests/service/MonitorHarness.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

using namespace monitor;
using testing::FakeWindows;
using Posted = FakeWindows::Posted;
using Lines = std::vector<std::string>;

struct Monitor : ::testing::Test, testing::MonitorHarness {
    std::string ConfigPath() const { return ConfigFilePath(folder.Folder()); }
    std::string OsdMessage() const {
        return IniFile(ConfigPath())
            .ReadText(keys::kOsdDataSection, keys::kOsdMessageKey, "<none>");
    }

    // First bytes of the feature reports the mouse received, in order.
    std::vector<std::string> FeatureCommands() {
        std::vector<std::string> commands;
        for (const std::string& line : mouse.Log())
            if (line.rfind("feature ", 0) == 0)
                commands.push_back(line.substr(8, 2));
        return commands;
    }
    int Uploads() {
        auto c = FeatureCommands();
        return static_cast<int>(std::count(c.begin(), c.end(), "01"));
    }
    std::unique_ptr<SharedSettingsBlock> BlockNow() {
        auto image = std::make_unique<SharedSettingsBlock>();
        block.Read(*image);
        return image;
    }
    // How many notices the display was told to show since the last call.
    size_t DisplayShows() {
        auto posted = windows.Take();
        return static_cast<size_t>(std::count_if(posted.begin(), posted.end(), [](const Posted& p) {
            return p.message == kMsgOsdShow;
        }));
    }
    void WriteOsdFlags(int32_t profileFlag, int32_t dpiFlag) {
        OsdSettings osd;
        osd.bytes[8] = static_cast<uint8_t>(profileFlag);
        osd.bytes[24] = static_cast<uint8_t>(dpiFlag);
        osd.bytes[32] = 0x20; // x 800
        osd.bytes[33] = 0x03;
        osd.bytes[36] = 0x58; // y 600
        osd.bytes[37] = 0x02;
        IniFile(ConfigPath())
            .WriteStruct(keys::kOsdSection, keys::kOsdKey, osd.bytes, sizeof osd.bytes);
    }
};

TEST_F(Monitor, StartsWithTheMouseOpenedIconAndTimers) {
    Start(true, true);
    EXPECT_EQ(core->State(), ConnectionState::Present);
    EXPECT_TRUE(notifier.icon);
    EXPECT_EQ(timers.running,
              (std::map<unsigned, unsigned>{{kTimerForeground, 2000}, {kTimerStartReadBack, 200}}));
    EXPECT_EQ(ReadDevice(ConfigPath()), 1);
    // Option is not running: "1" starts it, then the three companions.
    EXPECT_EQ(launcher.opened, (Lines{folder.File("Option.exe"), folder.File("PellamOSD.exe"),
                                      folder.File("Applets\\LoadMeter.exe"),
                                      folder.File("Applets\\MailWatch.EXE")}));
    EXPECT_EQ(trace.Take(),
              (Lines{"CMonitorWnd OnCustomizer\n", "CMonitorWnd OnCustomizer hWnd==NULL\n"}));
    EXPECT_FALSE(pointer.calls.empty());
    EXPECT_EQ(BlockNow()->CurrentProfile, 0);

    // Timer 502: once, then the worker reads the level back and sends 0x03.
    ClearLog();
    EXPECT_TRUE(core->OnTimer(kTimerStartReadBack));
    Settle();
    EXPECT_EQ(timers.running.count(kTimerStartReadBack), 0u);
    EXPECT_EQ(mouse.Log(), (Lines{"feature 8B 00 00 00 00 00 00 74", "read 8B 03 00 00 00 00 00 71",
                                  "feature 03 00 0F D8 40 00 00 D5"}));
    EXPECT_EQ(core->WorkingCopy()->Profiles[0].Cpi_X, 2);
    EXPECT_FALSE(core->OnTimer(4242));
}

TEST_F(Monitor, StartsWithoutTheMouseAndAnswersApplyAtOnce) {
    windows.Open(kOptionCaption);
    Start(false, true);
    EXPECT_EQ(core->State(), ConnectionState::Absent);
    EXPECT_TRUE(notifier.icon) << "the menu stays reachable";
    EXPECT_FALSE(notifier.connected) << "greyed";
    EXPECT_EQ(notifier.tips.back(), "Mouse - Default1 (no mouse)");
    EXPECT_TRUE(timers.running.empty());
    EXPECT_EQ(ReadDevice(ConfigPath()), 0);
    EXPECT_TRUE(windows.activated.empty()); // "1" opens nothing without the mouse
    trace.Take();

    ClearLog();
    Apply([](SharedSettingsBlock& b) { b.CurrentProfile = 0; });
    Settle();
    EXPECT_TRUE(mouse.Log().empty());
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOptionCaption, kMsgApplyDone, 0, 0}}));
    EXPECT_EQ(trace.Take(), (Lines{"OnApplyAllSetting  Send Enable OK/Apply Button\n"}));
    EXPECT_EQ(windows.TakeStatuses(),
              (std::vector<MouseStatus>{{false, MouseHolding::Current, 0, NotSentReason::None},
                                        {false, MouseHolding::Owed, 0, NotSentReason::None}}))
        << "saved, and owed to the mouse's arrival";
}

TEST_F(Monitor, ApplyUploadsTheBlocksProfileAndAnswersFromTheWorker) {
    Start();
    windows.Open(kOptionCaption);
    windows.Open(kOsdCaption);
    WriteOsdFlags(0, 0);
    ClearLog();
    Apply([](SharedSettingsBlock& b) {
        b.Profiles[0].PollingRate = 3;
        b.Profiles[0].Cpi_X = 4;
        b.Profiles[0].DbleClickSpeed = 333;
    });
    Settle();
    EXPECT_EQ(Memory().reportIntervalMs, 1);
    EXPECT_EQ(Memory().activeLevel, 5);
    EXPECT_EQ(Uploads(), 1);
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOsdCaption, kMsgOsdMove, 0, (800 << 16) | 600},
                                                   {kOptionCaption, kMsgApplyDone, 0, 0}}));
    EXPECT_EQ(trace.Take(), (Lines{"Thread Send Enable OK/Apply Button\n"}));
    EXPECT_EQ(pointer.calls.at(pointer.calls.size() - 5), "double-click 333");
}

TEST_F(Monitor, UntrustedCurrentProfileMeansNoActiveProfile) {
    Start();
    windows.Open(kOptionCaption);
    ClearLog();
    pointer.calls.clear();
    Apply([](SharedSettingsBlock& b) { b.CurrentProfile = 9; });
    Settle();
    EXPECT_TRUE(mouse.Log().empty());
    EXPECT_TRUE(pointer.calls.empty());
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOptionCaption, kMsgApplyDone, 0, 0}}));

    // The mouse's own buttons have no profile to change either.
    const int writes = block.writes;
    mouse.With([](sim::SimulatedMouse& m) { m.PressDpiButton(); });
    Pump();
    EXPECT_EQ(block.writes, writes);
    EXPECT_TRUE(notifier.balloons.empty());
}

// A command line tool renamed a profile through the block and 1226 (or 1227):
// an open Option is told, or its next Apply would undo the rename. A reload
// that changed nothing tells nobody.
TEST_F(Monitor, AChangeFromAnotherProgramIsToldToAnOpenOption) {
    Start();
    windows.Open(kOptionCaption);
    Settle();
    windows.Take();
    block.Edit([](SharedSettingsBlock& b) { SetTextField(b.Profiles[2].ProFileName, "Racing"); });
    core->OnReloadSetting();
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOptionCaption, kMsgProfileSwitched,
                                                    kBlockChangedElsewhere, 0}}));
    core->OnReloadSetting();
    EXPECT_TRUE(windows.Take().empty());
    block.Edit([](SharedSettingsBlock& b) { SetTextField(b.Profiles[3].GameFile, "race.exe"); });
    core->OnReloadWindowsSetting();
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOptionCaption, kMsgProfileSwitched,
                                                    kBlockChangedElsewhere, 0}}));
}

// Option stays open through a removal, its edits with it, and is told the
// mouse is away; the icon stays with its menu, greyed.
TEST_F(Monitor, UnplugAndReplug) {
    Start();
    windows.Open(kOptionCaption);
    windows.TakeStatuses();
    mouse.With([](sim::SimulatedMouse& m) { m.Unplug(); });
    Settle();
    EXPECT_EQ(core->State(), ConnectionState::Removed);
    EXPECT_TRUE(notifier.icon);
    EXPECT_FALSE(notifier.connected);
    EXPECT_EQ(timers.running.count(kTimerForeground), 0u);
    EXPECT_EQ(ReadDevice(ConfigPath()), 0);
    EXPECT_TRUE(windows.Take().empty()) << "Option is not closed";
    EXPECT_EQ(windows.TakeStatuses(),
              (std::vector<MouseStatus>{{false, MouseHolding::Current, 0, NotSentReason::None}}));

    core->OnDeviceChange(0); // a repeat
    core->OnDeviceChange(7); // not a change
    Settle();
    EXPECT_TRUE(windows.Take().empty());

    ClearLog();
    mouse.With([](sim::SimulatedMouse& m) { m.Plug(); });
    Settle();
    EXPECT_TRUE(notifier.icon);
    EXPECT_TRUE(notifier.connected);
    EXPECT_EQ(windows.TakeStatuses(),
              (std::vector<MouseStatus>{{true, MouseHolding::Current, 0, NotSentReason::None}}));
    EXPECT_EQ(timers.running.at(kTimerForeground), 2000u);
    EXPECT_EQ(ReadDevice(ConfigPath()), 1);
    auto commands = FeatureCommands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "8B"), 2); // the arrival reads twice
    EXPECT_EQ(Uploads(), 0);
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOptionCaption, kMsgDpiReadBack, 0, 0},
                                                   {kOptionCaption, kMsgDpiReadBack, 0, 0}}));
}

TEST_F(Monitor, FailedWritesLeaveTraceLinesAndTheRestIsStillWritten) {
    Start();
    trace.Take();
    auto pressDpi = [this] {
        mouse.With([](sim::SimulatedMouse& m) { m.PressDpiButton(); });
        Pump();
    };

    block.broken = true;
    pressDpi(); // to level 4
    EXPECT_EQ(trace.Take(),
              (Lines{"Shared block unavailable; the change starts from the service's copy\n",
                     "Show OSD 0\n"}));
    EXPECT_EQ(IniFile(ProfileFilePath(folder.Folder(), 0)).ReadInt("Setting", "Cpi_X", -1), 3);
    // The block is written again once it can be had.
    EXPECT_EQ(timers.running.at(kTimerBlockRetry), kBlockRetryMs);
    core->OnTimer(kTimerBlockRetry);
    EXPECT_EQ(timers.running.count(kTimerBlockRetry), 1u) << "still held";
    block.broken = false;
    windows.Open(kOptionCaption);
    windows.Take();
    core->OnTimer(kTimerBlockRetry);
    EXPECT_EQ(trace.Take(), (Lines{"Shared block written again\n"}));
    EXPECT_EQ(BlockNow()->Profiles[0].Cpi_X, 3);
    EXPECT_EQ(timers.running.count(kTimerBlockRetry), 0u);
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOptionCaption, kMsgProfileSwitched, 0, 0}}));

    // A profile file that cannot be replaced.
    std::filesystem::remove(ProfileFilePath(folder.Folder(), 2));
    std::filesystem::create_directory(ProfileFilePath(folder.Folder(), 2));
    pressDpi(); // to level 5
    EXPECT_EQ(trace.Take(), (Lines{"Save settings files failed\n", "Show OSD 0\n"}));
    EXPECT_EQ(BlockNow()->Profiles[0].Cpi_X, 4);
    EXPECT_EQ(IniFile(ProfileFilePath(folder.Folder(), 0)).ReadInt("Setting", "Cpi_X", -1), 4);

    // Nor config.ini, which holds the Device key.
    std::filesystem::remove(ConfigPath());
    std::filesystem::create_directory(ConfigPath());
    mouse.With([](sim::SimulatedMouse& m) { m.Unplug(); });
    Settle();
    EXPECT_EQ(trace.Take(), (Lines{"Write Device key failed\n"}));
    EXPECT_EQ(core->State(), ConnectionState::Removed);
}

TEST_F(Monitor, ReadBackSavesTheLevelEverywhere) {
    Start();
    mouse.With([](sim::SimulatedMouse& m) { m.PressDpiButton(); }); // level 4, not yet told
    mouse.TakeNotifications();
    core->OnTimer(kTimerStartReadBack);
    Settle();
    EXPECT_EQ(core->WorkingCopy()->Profiles[0].Cpi_X, 3);
    EXPECT_EQ(BlockNow()->Profiles[0].Cpi_X, 3);
    EXPECT_EQ(IniFile(ProfileFilePath(folder.Folder(), 0)).ReadInt("Setting", "Cpi_X", -1), 3);
    EXPECT_NE(registry.Mouse("DoubleClickSpeed"), "<missing>");

    // Garbage from the mouse changes nothing but is still saved and told.
    mouse.With([](sim::SimulatedMouse& m) { m.AnswerReadsWith(sim::ReadAnswer::Garbage); });
    core->OnTimer(kTimerStartReadBack);
    Settle();
    EXPECT_EQ(core->WorkingCopy()->Profiles[0].Cpi_X, 3);
}

TEST_F(Monitor, MouseButtonsUpdateTheProfileOptionAndNotices) {
    WriteOsdFlags(0, 1);
    Start();
    windows.Open(kOptionCaption);
    windows.Open(kOsdCaption);
    windows.Take();
    trace.Take();

    mouse.With([](sim::SimulatedMouse& m) { m.PressDpiButton(); }); // to level 4
    Pump();
    auto working = core->WorkingCopy();
    const ProfileRecord& p = working->Profiles[0];
    EXPECT_EQ(p.Cpi_X, 3);
    EXPECT_EQ(BlockNow()->Profiles[0].Cpi_X, 3);
    EXPECT_EQ(IniFile(ProfileFilePath(folder.Folder(), 0)).ReadInt("Setting", "Cpi_X", -1), 3);
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOptionCaption, kMsgMouseChangedLevel, 0, 0},
                                                   {kOsdCaption, kMsgOsdShow, kOsdShowText, 0}}));
    EXPECT_EQ(trace.Take(), (Lines{"Show OSD 2\n"}));
    const std::string dpi = std::to_string(DpiOfLevel(p.CpiLevel_X[3]));
    EXPECT_EQ(notifier.balloons.back(), dpi + " DPI|1000");
    EXPECT_EQ(OsdMessage(), "CPI: " + dpi);
    EXPECT_EQ(timers.running.at(kTimerBalloon), 1000u);

    core->OnDeviceEvent(0x0700, 7); // no such level
    core->OnDeviceEvent(0x0500, 9); // no such interval
    core->OnDeviceEvent(0x0600, 1); // no such class
    EXPECT_TRUE(windows.Take().empty());

    core->OnDeviceEvent(0x0501, 1); // any class of the group: 1 ms
    EXPECT_EQ(core->WorkingCopy()->Profiles[0].PollingRate, 3);
    EXPECT_EQ(notifier.balloons.back(), "1000 Hz|1000");
    core->OnDeviceEvent(0x0500, 3); // not a rate the profile knows: kept, still told
    EXPECT_EQ(core->WorkingCopy()->Profiles[0].PollingRate, 3);
    // The display's DPI switch covers the rate button too.
    const Posted toOption{kOptionCaption, kMsgMouseChangedLevel, 0, 0};
    const Posted toDisplay{kOsdCaption, kMsgOsdShow, kOsdShowText, 0};
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{toOption, toDisplay, toOption, toDisplay}));
    EXPECT_EQ(OsdMessage(), "Rate: 1000 Hz");

    // The balloon timer hides the notice once, without arming itself again.
    EXPECT_TRUE(core->OnTimer(kTimerBalloon));
    EXPECT_EQ(notifier.balloons.back(), "|500");
    EXPECT_EQ(timers.running.count(kTimerBalloon), 0u);
}

// The display writes its record only once Monitor has started it: a record
// missing at start is looked for again at the next notice, while one that
// was read holds until the next Apply.
TEST_F(Monitor, DisplayRecordMissingAtStartIsReadAtTheNextNotice) {
    Start();
    windows.Open(kOsdCaption);
    windows.Take();
    core->OnDeviceEvent(0x0700, 2);
    EXPECT_EQ(DisplayShows(), 0u);

    WriteOsdFlags(0, 1);
    core->OnDeviceEvent(0x0700, 3);
    EXPECT_EQ(DisplayShows(), 1u);

    WriteOsdFlags(0, 0);
    core->OnDeviceEvent(0x0700, 4);
    EXPECT_EQ(DisplayShows(), 1u);
    Apply([](SharedSettingsBlock&) {});
    Settle();
    DisplayShows();
    core->OnDeviceEvent(0x0700, 5);
    EXPECT_EQ(DisplayShows(), 0u);
}

TEST_F(Monitor, ForegroundProgramChoosesTheFirstMatchingProfile) {
    WriteOsdFlags(1, 0);
    Start();
    windows.Open(kOptionCaption);
    windows.Open(kOsdCaption);
    windows.Take();
    Apply([](SharedSettingsBlock& b) {
        SetTextField(b.Profiles[2].GameFile, "  C:\\Games\\Quake\\QUAKE3.EXE ");
        SetTextField(b.Profiles[3].GameFile, "quake3.exe");
        SetTextField(b.Profiles[4].GameFile, "   ");
        b.Profiles[2].DbleClickSpeed = 777;
    });
    Settle();
    windows.Take();

    processes.foreground = "quake3.exe";
    EXPECT_TRUE(core->OnTimer(kTimerForeground));
    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 2);
    EXPECT_EQ(BlockNow()->CurrentProfile, 2);
    EXPECT_EQ(registry.Mouse("DoubleClickSpeed"), "777");
    EXPECT_EQ(windows.Take(),
              (std::vector<Posted>{{kOptionCaption, kMsgProfileSwitched, 0, 0},
                                   {kOsdCaption, kMsgOsdShow, kOsdShowProfile, 2 << 16}}));

    core->OnTimer(kTimerForeground); // already there
    processes.foreground = "notepad.exe";
    core->OnTimer(kTimerForeground); // no match: stays
    processes.foreground.reset();
    core->OnTimer(kTimerForeground);
    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 2);
    EXPECT_TRUE(windows.Take().empty());

    mouse.With([](sim::SimulatedMouse& m) { m.Unplug(); });
    Settle();
    windows.Take();
    processes.foreground = "quake3.exe";
    block.Edit([](SharedSettingsBlock& b) { b.CurrentProfile = 0; });
    core->OnReloadSetting();
    core->OnTimer(kTimerForeground);
    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 0) << "no switching without the mouse";
}

TEST_F(Monitor, NoticeTextFromACompanion) {
    Start();
    windows.Open(kOsdCaption);
    std::vector<uint8_t> payload(kNoticePayloadSize, 'A'); // no terminator anywhere
    core->OnCopyData(kCopyDataNotice, payload);
    EXPECT_EQ(OsdMessage(), std::string(150, 'A'));
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOsdCaption, kMsgOsdShow, kOsdShowText, 0}}));

    core->OnCopyData(kCopyDataNotice, std::vector<uint8_t>{0, 'H', 'i'}); // short, unterminated
    EXPECT_EQ(OsdMessage(), "Hi");
    core->OnCopyData(150, std::vector<uint8_t>{0, 'X', 0});
    EXPECT_EQ(OsdMessage(), "Hi");
    windows.Take();

    mouse.With([](sim::SimulatedMouse& m) { m.Unplug(); });
    Settle();
    core->OnCopyData(kCopyDataNotice, std::vector<uint8_t>{0, 'O', 'k', 0, 'Z'});
    EXPECT_EQ(OsdMessage(), "Ok");
    EXPECT_TRUE(windows.Take().empty()) << "the display is told only while the mouse is there";
}

TEST_F(Monitor, CustomizerBringsUpARunningOption) {
    Start();
    windows.Open(kOptionCaption);
    trace.Take();
    launcher.opened.clear();
    core->OnCustomizer();
    EXPECT_EQ(windows.activated, (Lines{kOptionCaption}));
    EXPECT_TRUE(launcher.opened.empty());
    EXPECT_EQ(trace.Take(),
              (Lines{"CMonitorWnd OnCustomizer\n", "CMonitorWnd OnCustomizer hWnd!=NULL\n"}));
}

TEST_F(Monitor, ShutdownClosesTheOtherProgramsAndTheMouse) {
    Start();
    windows.Open(kOptionCaption);
    windows.Open("Standard Mouse Driver Pop3");
    core->Shutdown();
    EXPECT_TRUE(timers.running.empty());
    EXPECT_EQ(windows.Take(),
              (std::vector<Posted>{{kOptionCaption, kMsgClose, 0, 0},
                                   {"Standard Mouse Driver Pop3", kMsgClose, 0, 0}}));
    EXPECT_FALSE(
        mouse.With([](sim::SimulatedMouse& m) { return m.FeatureOpen() || m.ReportOpen(); }));
    core->OnApplyAllSetting(); // the worker is gone: answered at once
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOptionCaption, kMsgApplyDone, 0, 0}}));
}

// Any program may post to the hidden window: a result that names no level
// takes none, and one of no known kind does nothing.
TEST_F(Monitor, ResultsPostedFromOutsideAreBounded) {
    Start();
    windows.Open(kOptionCaption);
    const int32_t level = BlockNow()->Profiles[0].Cpi_X;
    for (int32_t value : {0, 7, -1})
        core->OnWorkerResult({WorkerResultKind::ReadBack, value});
    EXPECT_EQ(BlockNow()->Profiles[0].Cpi_X, level);
    EXPECT_EQ(core->WorkingCopy()->Profiles[0].Cpi_X, level);
    core->OnWorkerResult({static_cast<WorkerResultKind>(77), 1});
    EXPECT_EQ(windows.Take(), (std::vector<Posted>{{kOptionCaption, kMsgDpiReadBack, 0, 0},
                                                   {kOptionCaption, kMsgDpiReadBack, 0, 0},
                                                   {kOptionCaption, kMsgDpiReadBack, 0, 0}}));
}

TEST_F(Monitor, AResultTheWindowNeverGetsIsTraced) {
    results.refused = true;
    Start();
    EXPECT_EQ(trace.Take(), (Lines{"Device worker: a result did not reach the window\n"}));
    EXPECT_FALSE(notifier.icon);
}

// One unreadable profile file costs that profile alone: the others keep what
// they loaded, in memory and in their files, through start-up's read-back and
// the mouse's own changes; the unreadable file is never written over.
TEST_F(Monitor, AnUnreadableProfileFileCostsOnlyItsOwnProfile) {
    const std::string keepMe = ProfileFilePath(folder.Folder(), 2);
    IniFile(keepMe).WriteText("Setting", "ProFileName", "KeepMe");
    IniFile(keepMe).WriteInt("Setting", "DbleClickSpeed", 777);
    std::filesystem::remove(ProfileFilePath(folder.Folder(), 1));
    std::filesystem::create_directory(ProfileFilePath(folder.Folder(), 1));
    IniFile(ConfigPath()).WriteInt(keys::kSettingSection, keys::kCurrentProfile, 3);
    Start();
    core->OnTimer(kTimerStartReadBack);
    Settle();
    mouse.With([](sim::SimulatedMouse& m) { m.PressDpiButton(); });
    Pump();

    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 3);
    EXPECT_EQ(BlockNow()->Profiles[2].DbleClickSpeed, 777);
    EXPECT_EQ(TextOfField(BlockNow()->Profiles[1].ProFileName),
              TextOfField(testing::DefaultProfile(1)->ProFileName))
        << "only the unreadable profile has its defaults";
    EXPECT_EQ(IniFile(keepMe).ReadText("Setting", "ProFileName", ""), "KeepMe");
    EXPECT_EQ(IniFile(keepMe).ReadInt("Setting", "DbleClickSpeed", -1), 777);
    EXPECT_TRUE(std::filesystem::is_directory(ProfileFilePath(folder.Folder(), 1)))
        << "the unreadable file is left alone";
}

// A mouse event already queued when Option writes the block and posts 1224 is
// handled from the block's contents: Option's newer settings win, in the
// block, the files and the upload that follows.
TEST_F(Monitor, AMouseEventQueuedAheadOfAnApplyKeepsTheApplysSettings) {
    Start();
    core->OnTimer(kTimerStartReadBack);
    Settle();
    ClearLog();
    mouse.With([](sim::SimulatedMouse& m) { m.PressDpiButton(); }); // queued, not yet handled
    block.Edit([](SharedSettingsBlock& b) {                         // Option's Apply writes
        b.Profiles[0].DbleClickSpeed = 640;
        b.Profiles[0].PollingRate = 3;
    });
    Pump(); // the DPI event comes first
    EXPECT_EQ(BlockNow()->Profiles[0].DbleClickSpeed, 640);
    EXPECT_EQ(IniFile(ProfileFilePath(folder.Folder(), 0)).ReadInt("Setting", "DbleClickSpeed", -1),
              640);
    core->OnApplyAllSetting(); // then Option's 1224
    Settle();
    EXPECT_EQ(Memory().reportIntervalMs, 1) << "the upload carries Option's rate";
    EXPECT_EQ(core->WorkingCopy()->Profiles[0].DbleClickSpeed, 640);
}

// Garbage in the block (any program may write it) never reaches the desktop or
// the mouse: out-of-range values take their defaults and the trace says so.
TEST_F(Monitor, GarbageInTheBlockReachesNeitherTheDesktopNorTheMouse) {
    Start();
    core->OnTimer(kTimerStartReadBack);
    Settle();
    ClearLog();
    pointer.calls.clear();
    trace.Take();
    Apply([](SharedSettingsBlock& b) {
        b.Profiles[0].DbleClickSpeed = 2147483647;
        b.Profiles[0].Orientation = -1;
        b.Profiles[0].Cpi_X = 148;
        std::memset(b.Profiles[0].ProFileName, 'A', sizeof b.Profiles[0].ProFileName);
        std::memset(b.Profiles[0].GameFile, 'B', sizeof b.Profiles[0].GameFile);
        b.Profiles[0].Buttons[2].Function = 0xEE;
    });
    Settle();
    const auto defaults = testing::DefaultProfile(0);
    const ProfileRecord applied = core->WorkingCopy()->Profiles[0];
    EXPECT_EQ(applied.DbleClickSpeed, defaults->DbleClickSpeed);
    EXPECT_EQ(applied.Orientation, defaults->Orientation);
    EXPECT_EQ(applied.Cpi_X, defaults->Cpi_X);
    EXPECT_STREQ(applied.ProFileName, "Default1");
    EXPECT_STREQ(applied.GameFile, "");
    EXPECT_EQ(applied.Buttons[2].Function, defaults->Buttons[2].Function);
    // What the service saves next is what a file holds.
    mouse.With([](sim::SimulatedMouse& m) { m.PressDpiButton(); });
    Pump();
    EXPECT_EQ(IniFile(ProfileFilePath(folder.Folder(), 0)).ReadText("Setting", "ProFileName", ""),
              "Default1");
    EXPECT_EQ(IniFile(ProfileFilePath(folder.Folder(), 0)).ReadText("Setting", "GameFile", "-"),
              "");
    EXPECT_EQ(mouse.With([](sim::SimulatedMouse& m) { return m.Malformed(); }), 0u)
        << "no malformed report reached the mouse";
    const Lines lines = trace.Take();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("DbleClickSpeed") != std::string::npos;
    })) << "the trace names the field";
}

} // namespace
} // namespace mervik
