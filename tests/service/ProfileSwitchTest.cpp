// Switching profiles reaches the mouse: every switch is followed by an upload
// of the new profile, uploads coalesce, and the tray, tip and balloons name the
// profile.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "contract/ProgramMessages.h"
#include "device/ReportEncoder.h"
#include "protocol/PlanText.h"
#include "settings/FilePaths.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "settings/TextField.h"
#include "tests/service/MonitorHarness.h"

namespace mervik {
namespace {

using namespace monitor;
using testing::FakeWindows;
using Posted = FakeWindows::Posted;
using Lines = std::vector<std::string>;

struct ProfileSwitch : ::testing::Test, testing::MonitorHarness {
    // Five profiles that differ in what the mouse receives, each linked to a
    // program; the start-up read-back is over and the log empty.
    void StartWithLinkedProfiles() {
        Start();
        windows.Open(kOptionCaption);
        Apply([](SharedSettingsBlock& b) {
            for (int i = 0; i < kProfileCount; ++i) {
                b.Profiles[i].PollingRate = i % 4;
                b.Profiles[i].Cpi_X = i;
                SetTextField(b.Profiles[i].GameFile,
                             "C:\\Games\\game" + std::to_string(i) + ".exe");
            }
        });
        core->OnTimer(kTimerStartReadBack);
        Settle();
        ClearLog();
        windows.Take();
        trace.Take();
        notifier.balloons.clear();
    }

    // The transfers of a whole upload of profile `index` as the mouse logs them.
    Lines UploadOf(int index) {
        Lines lines;
        const UploadPlan plan = EncodeUpload(core->WorkingCopy()->Profiles[index]);
        for (const PlanStep& step : plan.Steps())
            if (step.kind != StepKind::Pause)
                lines.push_back(PlanStepLine(step));
        return lines;
    }

    // The mouse's log cut into uploads, each starting at its report interval.
    std::vector<Lines> Uploads() {
        std::vector<Lines> uploads;
        for (const std::string& line : mouse.Log()) {
            if (line.rfind("feature 01 ", 0) == 0)
                uploads.emplace_back();
            if (!uploads.empty())
                uploads.back().push_back(line);
        }
        return uploads;
    }

    void Foreground(int index) {
        processes.foreground = "game" + std::to_string(index) + ".exe";
        core->OnTimer(kTimerForeground);
    }

    int Posts(unsigned message) {
        int count = 0;
        for (const Posted& p : windows.Take())
            count += p.message == message;
        return count;
    }
};

TEST_F(ProfileSwitch, AForegroundProgramsProfileIsUploadedAndNamed) {
    StartWithLinkedProfiles();
    block.Edit([](SharedSettingsBlock& b) { SetTextField(b.Profiles[3].ProFileName, "Racing"); });
    core->OnReloadSetting();
    EXPECT_EQ(Posts(kMsgProfileSwitched), 1) << "an open Option is told of the rename";
    notifier.tips.clear();

    Foreground(3);
    Settle();
    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 3);
    ASSERT_EQ(Uploads().size(), 1u);
    EXPECT_EQ(Uploads().back(), UploadOf(3));
    EXPECT_EQ(notifier.balloons, (Lines{"Racing|1000"}));
    EXPECT_EQ(notifier.tips,
              (Lines{"Mouse - Racing", "Mouse - Racing (sending)", "Mouse - Racing"}));
    EXPECT_EQ(Posts(kMsgProfileSwitched), 1);
    EXPECT_EQ(Posts(kMsgApplyDone), 0) << "no answer to an Apply nobody made";
}

// The user chose another profile while the linked program stays in front:
// the choice holds until a program comes to the front again.
TEST_F(ProfileSwitch, AChoiceHoldsWhileTheSameProgramStaysInFront) {
    StartWithLinkedProfiles();
    Foreground(2);
    core->OnProfileChosen(0);
    Foreground(2);
    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 0);
    processes.foreground = "explorer.exe";
    core->OnTimer(kTimerForeground);
    Foreground(2);
    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 2);
    Settle();
    EXPECT_EQ(Uploads().back(), UploadOf(2));
}

// Option has written the block and its 1224 is still on the way when the
// foreground program switches: the switch keeps Option's settings.
TEST_F(ProfileSwitch, ASwitchKeepsSettingsOptionWroteAndHasNotAnnounced) {
    StartWithLinkedProfiles();
    block.Edit([](SharedSettingsBlock& b) { b.Profiles[2].DbleClickSpeed = 640; });
    Foreground(2);
    Settle();
    auto now = std::make_unique<SharedSettingsBlock>();
    ASSERT_TRUE(block.Read(*now));
    EXPECT_EQ(now->CurrentProfile, 2);
    EXPECT_EQ(now->Profiles[2].DbleClickSpeed, 640);
    EXPECT_EQ(registry.Mouse("DoubleClickSpeed"), "640");
}

// The worker is held inside the first upload while the window takes a burst
// of switches and Applies: never more than one upload waits, the running one
// stops at the next group, and the mouse ends with the last profile, whole.
TEST_F(ProfileSwitch, ABurstOfSwitchesAndAppliesEndsWithTheLastProfileAlone) {
    StartWithLinkedProfiles();
    {
        testing::MouseHold hold(mouse);
        Foreground(1);
        while (core->WorkerBacklog() != 0) // the worker has taken it and waits for the mouse
            std::this_thread::yield();
        for (int round = 0; round < 10; ++round) {
            Foreground(round % 2 == 0 ? 2 : 4);
            EXPECT_LE(core->WorkerBacklog(), 1u);
            core->OnProfileChosen(round % 3);
            EXPECT_LE(core->WorkerBacklog(), 1u);
            Apply([round](SharedSettingsBlock& b) { b.Profiles[0].DbleClickSpeed = 300 + round; });
            EXPECT_LE(core->WorkerBacklog(), 1u);
        }
        Foreground(3);
        EXPECT_EQ(core->WorkerBacklog(), 1u);
    }
    Settle();
    const std::vector<Lines> uploads = Uploads();
    ASSERT_EQ(uploads.size(), 2u) << "the held upload and the one that replaced the rest";
    // The held upload encoded whichever profile was current when it began.
    bool wholeGroups = false;
    for (int i = 0; i < kProfileCount; ++i) {
        const Lines whole = UploadOf(i);
        wholeGroups =
            wholeGroups || (uploads[0].size() < whole.size() &&
                            std::equal(uploads[0].begin(), uploads[0].end(), whole.begin()) &&
                            whole[uploads[0].size()].rfind("feature ", 0) == 0);
    }
    EXPECT_TRUE(wholeGroups) << "the first upload stopped early, between two groups";
    EXPECT_EQ(uploads[1], UploadOf(3));
    EXPECT_EQ(Memory().activeLevel, 4);
    EXPECT_FALSE(core->UploadOwed());
    // Ten Applies wait for 1258: the one upload that carried them answers.
    EXPECT_EQ(Posts(kMsgApplyDone), 1);
}

TEST_F(ProfileSwitch, QuickAppliesNeverInterleaveAndAnswerOption) {
    StartWithLinkedProfiles();
    Apply([](SharedSettingsBlock& b) { b.Profiles[0].PollingRate = 0; });
    Apply([](SharedSettingsBlock& b) { b.Profiles[0].PollingRate = 1; });
    Settle();
    const std::vector<Lines> uploads = Uploads();
    ASSERT_GE(uploads.size(), 1u);
    ASSERT_LE(uploads.size(), 2u);
    EXPECT_EQ(uploads.back(), UploadOf(0));
    EXPECT_EQ(Memory().reportIntervalMs, 4);
    EXPECT_GE(Posts(kMsgApplyDone), 1);
    EXPECT_EQ(core->WorkerBacklog(), 0u);
}

TEST_F(ProfileSwitch, ChoosingInTheMenuSwitchesSavesAndShowsNoBalloon) {
    StartWithLinkedProfiles();
    core->OnProfileChosen(2);
    Settle();
    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 2);
    EXPECT_EQ(IniFile(ConfigFilePath(folder.Folder()))
                  .ReadInt(keys::kSettingSection, keys::kCurrentProfile, -1),
              2);
    EXPECT_EQ(Uploads().back(), UploadOf(2));
    EXPECT_TRUE(notifier.balloons.empty()) << "the user chose it";
    EXPECT_EQ(notifier.tips.back(), "Mouse - Default3");
    EXPECT_EQ(Posts(kMsgProfileSwitched), 1);

    ClearLog();
    core->OnProfileChosen(2); // already current
    core->OnProfileChosen(5); // no such profile
    core->OnProfileChosen(-1);
    Settle();
    EXPECT_TRUE(mouse.Log().empty());
    EXPECT_TRUE(windows.Take().empty());

    // A config.ini that cannot be written: traced, the switch still made.
    std::filesystem::remove(ConfigFilePath(folder.Folder()));
    std::filesystem::create_directory(ConfigFilePath(folder.Folder()));
    trace.Take();
    core->OnProfileChosen(4);
    Settle();
    EXPECT_EQ(trace.Take(), (Lines{"Save settings files failed\n"}));
    EXPECT_EQ(Uploads().back(), UploadOf(4));
}

// Another program holds the block's mutex while the user chooses a profile:
// the window waits once, briefly, and the block gets the switch when free.
TEST_F(ProfileSwitch, AChoiceWhileTheBlockIsHeldReachesTheBlockOnceItIsFree) {
    StartWithLinkedProfiles();
    auto inBlock = [this] {
        auto image = std::make_unique<SharedSettingsBlock>();
        EXPECT_TRUE(block.Read(*image));
        return image->CurrentProfile;
    };
    block.broken = true;
    core->OnProfileChosen(3);
    Settle();
    EXPECT_EQ(Uploads().back(), UploadOf(3));
    windows.Take();
    block.broken = false;
    EXPECT_EQ(inBlock(), 0) << "behind until the timer";
    core->OnTimer(kTimerBlockRetry);
    EXPECT_EQ(inBlock(), 3);
    EXPECT_EQ(Posts(kMsgProfileSwitched), 1) << "Option follows the block";
    EXPECT_EQ(timers.running.count(kTimerBlockRetry), 0u);

    // A block another program wrote meanwhile is newer than the service's
    // change: it is taken, not written over.
    block.broken = true;
    core->OnProfileChosen(1);
    Settle();
    block.broken = false;
    block.Edit([](SharedSettingsBlock& b) { b.CurrentProfile = 4; });
    core->OnTimer(kTimerBlockRetry);
    Settle();
    EXPECT_EQ(inBlock(), 4);
    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 4);
    EXPECT_EQ(Uploads().back(), UploadOf(4));
}

// Another program makes a profile current in the block and posts 1224 (or
// 1226): the service follows as after any switch, and the mouse gets it.
TEST_F(ProfileSwitch, AnotherProgramsSwitchThroughTheBlockIsFollowed) {
    StartWithLinkedProfiles();
    Apply([](SharedSettingsBlock& b) { b.CurrentProfile = 4; });
    Settle();
    EXPECT_EQ(Uploads().back(), UploadOf(4));
    EXPECT_EQ(notifier.balloons, (Lines{"Default5|1000"}));
    const auto posted = windows.Take();
    ASSERT_GE(posted.size(), 2u);
    EXPECT_EQ(posted.front().message, kMsgProfileSwitched);
    EXPECT_EQ(posted.back().message, kMsgApplyDone);

    ClearLog();
    block.Edit([](SharedSettingsBlock& b) { b.CurrentProfile = 1; });
    core->OnReloadSetting();
    Settle();
    EXPECT_EQ(Uploads().back(), UploadOf(1));

    ClearLog();
    core->OnReloadSetting(); // nothing changed: nothing sent
    Settle();
    EXPECT_TRUE(mouse.Log().empty());
}

TEST_F(ProfileSwitch, ASwitchWhileTheMouseIsAwayReachesItOnArrival) {
    StartWithLinkedProfiles();
    mouse.With([](sim::SimulatedMouse& m) { m.Unplug(); });
    Pump();
    core->OnProfileChosen(3);
    Settle();
    EXPECT_TRUE(core->UploadOwed());
    ClearLog();
    mouse.With([](sim::SimulatedMouse& m) { m.Plug(); });
    Pump();
    Settle();
    EXPECT_FALSE(core->UploadOwed());
    EXPECT_EQ(Uploads().back(), UploadOf(3));
    EXPECT_EQ(core->WorkingCopy()->Profiles[3].Cpi_X, 3) << "the profile's level, not the mouse's";
}

// The mouse's DPI button pressed while a switch is being uploaded, after the
// upload's n-th transfer (0: before the switch; -1: once it is over). The
// mouse steps from whatever level it holds then, which the upload may still
// overwrite: whatever the order, the mouse and the files end alike.
struct DpiPressDuringASwitch : ProfileSwitch, ::testing::WithParamInterface<int> {};

TEST_P(DpiPressDuringASwitch, TheMouseAndTheFilesEndInAgreement) {
    StartWithLinkedProfiles();
    auto press = [this] { mouse.With([](sim::SimulatedMouse& m) { m.PressDpiButton(); }); };
    const int pressAfter = GetParam();
    int transfers = 0; // the worker's alone while it runs
    mouse.afterTransfer = [&](int) {
        if (++transfers == pressAfter)
            press();
    };
    if (pressAfter == 0) {
        press();
        Pump();
    }
    core->OnProfileChosen(4);
    Settle();
    if (pressAfter < 0) {
        press();
        Settle();
    }
    mouse.afterTransfer = nullptr;
    const int inFiles =
        IniFile(ProfileFilePath(folder.Folder(), 4)).ReadInt("Setting", "Cpi_X", -1) + 1;
    EXPECT_EQ(Memory().activeLevel, inFiles);
    EXPECT_EQ(core->WorkingCopy()->Profiles[4].Cpi_X + 1, inFiles);
    EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 4);
    EXPECT_EQ(core->UploadState().holding, MouseHolding::Current);
}

// Around the colours, the DPI table, the active level (the 8th transfer) and
// the button map.
INSTANTIATE_TEST_SUITE_P(Timings, DpiPressDuringASwitch,
                         ::testing::Values(0, 1, 5, 7, 8, 9, 30, -1));

TEST_F(ProfileSwitch, TheTrayMenuShowsTheWorkingCopysProfiles) {
    StartWithLinkedProfiles();
    core->OnProfileChosen(1);
    const std::vector<TrayMenuItem> items = core->TrayMenu();
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0].label, "Open settings");
    EXPECT_EQ(items[3].label, "&2 Default2\tgame1.exe");
    EXPECT_TRUE(items[3].checked);
    EXPECT_EQ(items[8].label, "Exit");
    EXPECT_EQ(ProfileOfTrayCommand(items[3].command), 1);
}

} // namespace
} // namespace mervik
