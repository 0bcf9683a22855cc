// Where the settings are: what the service tells Option and shows in the tray
// while an upload runs, fails, is tried again or waits for the mouse.
#include <gtest/gtest.h>

#include <algorithm>

#include "contract/ProgramMessages.h"
#include "service/core/UploadStatus.h"
#include "tests/service/MonitorHarness.h"

namespace mervik {
namespace {

using namespace monitor;
using Lines = std::vector<std::string>;
using Statuses = std::vector<MouseStatus>;

constexpr MouseStatus Status(bool connected, MouseHolding holding, uint8_t tries = 0,
                             NotSentReason reason = NotSentReason::None) {
    return {connected, holding, tries, reason};
}

TEST(UploadStatusRule, TriesAreSpacedFurtherApartAndBounded) {
    EXPECT_EQ(RetryDelayMs(1), 1000u);
    EXPECT_EQ(RetryDelayMs(2), 2000u);
    EXPECT_EQ(RetryDelayMs(3), 4000u);
    EXPECT_FALSE(RetryDelayMs(kUploadTries));
    EXPECT_FALSE(RetryDelayMs(200));

    UploadStatus status;
    status.Connected(true);
    for (uint8_t tries = 1; tries < kUploadTries; ++tries) {
        status.Started();
        EXPECT_EQ(status.Status(), Status(true, MouseHolding::Sending, tries));
        EXPECT_EQ(status.Failed(NotSentReason::Refused), RetryDelayMs(tries));
        EXPECT_EQ(status.Status(),
                  Status(true, MouseHolding::Retrying, tries, NotSentReason::Refused));
        EXPECT_TRUE(status.SendAgainOffered());
    }
    status.Started();
    EXPECT_FALSE(status.Failed(NotSentReason::Refused));
    EXPECT_EQ(status.Status(),
              Status(true, MouseHolding::NotSent, kUploadTries, NotSentReason::Refused));
    EXPECT_TRUE(status.SendAgainOffered());

    // A new change gets tries of its own.
    status.Requested();
    status.Started();
    EXPECT_EQ(status.Status().tries, 1);
}

TEST(UploadStatusRule, NothingToSendIsNotTriedAgainAndAnAbsentMouseIsOwed) {
    UploadStatus status;
    status.Connected(true);
    EXPECT_FALSE(status.Failed(NotSentReason::NoProfile));
    EXPECT_EQ(status.Status(), Status(true, MouseHolding::NotSent, 0, NotSentReason::NoProfile));
    EXPECT_FALSE(status.SendAgainOffered()) << "again would send nothing either";

    status.Started();
    status.Progress(40);
    status.Progress(140); // out of range: kept as it was
    EXPECT_EQ(status.Percent(), 40);
    status.Connected(false);
    EXPECT_EQ(status.Status(), Status(false, MouseHolding::Owed));
    EXPECT_TRUE(status.MouseLacksSettings());
    EXPECT_FALSE(status.SendAgainOffered());
    status.Connected(true);
    status.Started();
    status.Done();
    EXPECT_EQ(status.Status(), Status(true, MouseHolding::Current));
    EXPECT_FALSE(status.MouseLacksSettings());

    // Unplugged while it held the settings: it still does.
    status.Connected(false);
    EXPECT_EQ(status.Status(), Status(false, MouseHolding::Current));
}

TEST(UploadStatusRule, TheStatusCrossesWholeAndGarbageIsRefused) {
    const MouseStatus sent = Status(true, MouseHolding::NotSent, 4, NotSentReason::Refused);
    const MouseStatusWords words = EncodeMouseStatus(sent);
    EXPECT_EQ(DecodeMouseStatus(words.wParam, words.lParam), sent);
    EXPECT_EQ(DecodeMouseStatus(5, 0), Status(false, MouseHolding::Owed));
    EXPECT_FALSE(DecodeMouseStatus(0, 0));
    EXPECT_FALSE(DecodeMouseStatus(6, 0));
    EXPECT_FALSE(DecodeMouseStatus(0x201, 0));
    EXPECT_FALSE(DecodeMouseStatus(1, 3 << 8));
    EXPECT_FALSE(DecodeMouseStatus(1, 0x10000));
    EXPECT_FALSE(DecodeMouseStatus(1, -1));
    EXPECT_EQ(DecodeUploadPercent(100), 100);
    EXPECT_FALSE(DecodeUploadPercent(101));
}

struct UploadRetry : ::testing::Test, testing::MonitorHarness {
    void SetUp() override {
        Start();
        windows.Open(kOptionCaption);
        core->OnTimer(kTimerStartReadBack);
        Settle();
        ClearLog();
        windows.Take();
        windows.TakeStatuses();
        windows.TakeProgress();
        trace.Take();
    }
    void FailNext(int transfers) {
        mouse.With([transfers](sim::SimulatedMouse& m) { m.FailNext(transfers); });
    }
    void ApplyRateAndLevel() {
        Apply([](SharedSettingsBlock& b) {
            b.Profiles[0].PollingRate = 3;
            b.Profiles[0].Cpi_X = 4;
        });
        Settle();
    }
    bool MouseHoldsTheApplied() {
        const sim::MouseMemory memory = Memory();
        return memory.reportIntervalMs == 1 && memory.activeLevel == 5;
    }
    // Fires the retry timer as the window would once it is due.
    void RetryTimerFires(unsigned expectedPeriodMs) {
        ASSERT_EQ(timers.running.count(kTimerUploadRetry), 1u);
        EXPECT_EQ(timers.running.at(kTimerUploadRetry), expectedPeriodMs);
        EXPECT_TRUE(core->OnTimer(kTimerUploadRetry));
        EXPECT_EQ(timers.running.count(kTimerUploadRetry), 0u) << "once per try";
        Settle();
    }
    std::string TrayItem(unsigned command) {
        for (const TrayMenuItem& item : core->TrayMenu())
            if (item.command == command)
                return item.label;
        return "<none>";
    }
};

// A busy mouse refusing the first two tries gets the profile on the third,
// each try spaced further from the last, each in the trace; Option is answered
// after the first and hears every step.
TEST_F(UploadRetry, AFailedUploadIsTriedAgainWhileTheMouseStays) {
    FailNext(2);
    ApplyRateAndLevel();
    EXPECT_FALSE(MouseHoldsTheApplied());
    EXPECT_EQ(windows.Take(),
              (std::vector<testing::FakeWindows::Posted>{{kOptionCaption, kMsgApplyDone, 0, 0}}));
    EXPECT_EQ(notifier.tips.back(), "Mouse - Default1 (sending)");
    EXPECT_EQ(TrayItem(kCmdSendAgain), "Send again");

    RetryTimerFires(1000);
    EXPECT_FALSE(MouseHoldsTheApplied());
    RetryTimerFires(2000);
    EXPECT_TRUE(MouseHoldsTheApplied());
    EXPECT_FALSE(core->UploadOwed());
    EXPECT_EQ(timers.running.count(kTimerUploadRetry), 0u);

    EXPECT_EQ(
        windows.TakeStatuses(),
        (Statuses{Status(true, MouseHolding::Sending, 1),
                  Status(true, MouseHolding::Retrying, 1, NotSentReason::Refused),
                  Status(true, MouseHolding::Sending, 2),
                  Status(true, MouseHolding::Retrying, 2, NotSentReason::Refused),
                  Status(true, MouseHolding::Sending, 3), Status(true, MouseHolding::Current)}));
    EXPECT_EQ(
        trace.Take(),
        (Lines{"Upload failed after 0 transfers\n", "Upload try 1 of 4 failed; again in 1000 ms\n",
               "Thread Send Enable OK/Apply Button\n", "Upload try 2 of 4\n",
               "Upload failed after 0 transfers\n", "Upload try 2 of 4 failed; again in 2000 ms\n",
               "Upload try 3 of 4\n"}));
    EXPECT_EQ(notifier.tips.back(), "Mouse - Default1");
    EXPECT_EQ(TrayItem(kCmdSendAgain), "<none>");
}

// Every try refused: the mouse keeps what it had and everyone is told, until
// the user sends again.
TEST_F(UploadRetry, WhenEveryTryFailsTheUserIsToldAndMaySendAgain) {
    FailNext(1000);
    ApplyRateAndLevel();
    RetryTimerFires(1000);
    RetryTimerFires(2000);
    RetryTimerFires(4000);
    EXPECT_EQ(timers.running.count(kTimerUploadRetry), 0u) << "the tries are spent";
    EXPECT_EQ(core->UploadState(),
              Status(true, MouseHolding::NotSent, kUploadTries, NotSentReason::Refused));
    EXPECT_EQ(windows.TakeStatuses().back(), core->UploadState());
    EXPECT_EQ(notifier.tips.back(), "Mouse - Default1 (not in the mouse)");
    EXPECT_EQ(TrayItem(kCmdSendAgain), "Send again");
    EXPECT_EQ(trace.Take().back(),
              "Upload failed 4 times; the mouse keeps its previous settings\n");

    // Meanwhile the mouse's stale level does not replace the applied one.
    core->OnTimer(kTimerStartReadBack);
    Settle();
    EXPECT_EQ(core->WorkingCopy()->Profiles[0].Cpi_X, 4);

    FailNext(0);
    core->OnSendAgain();
    Settle();
    EXPECT_TRUE(MouseHoldsTheApplied());
    EXPECT_EQ(windows.TakeStatuses(), (Statuses{Status(true, MouseHolding::Sending, 1),
                                                Status(true, MouseHolding::Current)}));
    EXPECT_EQ(TrayItem(kCmdSendAgain), "<none>");
}

// A retry waiting when the mouse goes is owed to its arrival instead, and
// the arrival's repeat sends it.
TEST_F(UploadRetry, AMouseUnpluggedBetweenTriesGetsTheUploadOnItsReturn) {
    FailNext(1);
    ApplyRateAndLevel();
    EXPECT_EQ(timers.running.count(kTimerUploadRetry), 1u);
    mouse.With([](sim::SimulatedMouse& m) { m.Unplug(); });
    Settle();
    EXPECT_EQ(timers.running.count(kTimerUploadRetry), 0u);
    EXPECT_EQ(core->UploadState(), Status(false, MouseHolding::Owed));
    EXPECT_EQ(notifier.tips.back(), "Mouse - Default1 (no mouse)");
    EXPECT_EQ(TrayItem(kCmdSendAgain), "<none>");
    core->OnSendAgain(); // nothing to do before the arrival
    Settle();
    EXPECT_TRUE(mouse.Log().size() == 1) << "only the refused transfer";

    mouse.With([](sim::SimulatedMouse& m) { m.Plug(); });
    Settle();
    EXPECT_TRUE(MouseHoldsTheApplied());
    EXPECT_EQ(core->UploadState(), Status(true, MouseHolding::Current));
    EXPECT_FALSE(core->UploadOwed());
}

// A change made while a retry waits is sent at once, with tries of its own.
TEST_F(UploadRetry, ANewChangeReplacesAWaitingRetry) {
    FailNext(1);
    ApplyRateAndLevel();
    EXPECT_EQ(timers.running.count(kTimerUploadRetry), 1u);
    core->OnProfileChosen(2);
    EXPECT_EQ(timers.running.count(kTimerUploadRetry), 0u);
    Settle();
    EXPECT_EQ(core->UploadState(), Status(true, MouseHolding::Current));
    windows.TakeStatuses();
    EXPECT_TRUE(core->OnTimer(kTimerUploadRetry)); // a late tick sends nothing
    Settle();
    EXPECT_TRUE(windows.TakeStatuses().empty());
}

TEST_F(UploadRetry, OptionHearsHowFarAnUploadIsAndMayAsk) {
    ApplyRateAndLevel();
    const std::vector<int> progress = windows.TakeProgress();
    ASSERT_GE(progress.size(), 10u);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_LT(progress.back(), 100);
    EXPECT_EQ(windows.TakeStatuses(), (Statuses{Status(true, MouseHolding::Sending, 1),
                                                Status(true, MouseHolding::Current)}));

    core->OnAskMouseStatus();
    EXPECT_EQ(windows.TakeStatuses(), (Statuses{Status(true, MouseHolding::Current)}));
    EXPECT_TRUE(windows.TakeProgress().empty()) << "progress only while sending";
}

// Option is told once there is no profile to send, and nothing is retried.
TEST_F(UploadRetry, NoCurrentProfileIsNotSentAndNotRetried) {
    Apply([](SharedSettingsBlock& b) { b.CurrentProfile = 9; });
    Settle();
    EXPECT_TRUE(mouse.Log().empty());
    EXPECT_EQ(windows.TakeStatuses(),
              (Statuses{Status(true, MouseHolding::NotSent, 0, NotSentReason::NoProfile)}));
    EXPECT_EQ(timers.running.count(kTimerUploadRetry), 0u);
}

// Any program may post to the hidden window: results naming no profile or
// level the service knows change nothing.
TEST_F(UploadRetry, LevelResultsPostedFromOutsideAreBounded) {
    for (int32_t word : {LevelWord({7, 2}), LevelWord({0, 0}), LevelWord({0, 9}), -1})
        core->OnWorkerResult({WorkerResultKind::LevelSent, word});
    Settle();
    EXPECT_TRUE(mouse.Log().empty());
}

} // namespace
} // namespace mervik
