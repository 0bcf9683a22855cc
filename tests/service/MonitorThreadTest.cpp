// The service's two threads at work together: built under ThreadSanitizer in
// its own tree, as well as in the ordinary native one.
#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <thread>

#include "contract/ProgramMessages.h"
#include "protocol/DeviceMessages.h"
#include "tests/service/MonitorHarness.h"

namespace mervik {
namespace {

using namespace std::chrono_literals;

// Plays the hidden window's thread: runs the test's calls and delivers the
// mouse's notifications, one thing at a time, until stopped.
class WindowThread {
public:
    explicit WindowThread(testing::MonitorHarness& h) : h_(h), thread_([this] { Loop(); }) {}
    ~WindowThread() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        thread_.join();
    }
    // Runs `fn` on the window's thread and waits for it.
    void Call(std::function<void()> fn) {
        std::unique_lock lock(mutex_);
        const uint64_t ticket = ++queued_;
        tasks_.push_back(std::move(fn));
        done_.wait(lock, [&] { return ran_ >= ticket; });
    }

private:
    void Loop() {
        for (;;) {
            std::vector<std::function<void()>> tasks;
            {
                std::lock_guard lock(mutex_);
                if (stop_)
                    return;
                tasks.swap(tasks_);
            }
            for (auto& task : tasks)
                task();
            h_.Pump();
            {
                std::lock_guard lock(mutex_);
                ran_ += tasks.size();
            }
            done_.notify_all();
            std::this_thread::sleep_for(1ms);
        }
    }

    testing::MonitorHarness& h_;
    std::mutex mutex_;
    std::condition_variable done_;
    std::vector<std::function<void()>> tasks_;
    uint64_t queued_ = 0;
    uint64_t ran_ = 0;
    bool stop_ = false;
    std::thread thread_;
};

struct MonitorThreads : ::testing::Test, testing::MonitorHarness {
    // Report interval and active level of each upload, in the order sent. An
    // upload's level comes right after its DPI levels; a level sent on its
    // own (the current profile's, once an upload left the mouse at another)
    // may follow an upload, and is not that upload's.
    std::vector<std::pair<std::string, std::string>> IntervalAndLevelPerUpload() {
        std::vector<std::pair<std::string, std::string>> uploads;
        std::string lastCommand;
        for (const std::string& line : mouse.Log()) {
            if (line.rfind("feature ", 0) != 0)
                continue;
            const std::string command = line.substr(8, 2);
            if (command == "01")
                uploads.push_back({line.substr(11, 2), ""});
            if (command == "0B" && lastCommand == "11" && !uploads.empty())
                uploads.back().second = line.substr(11, 2);
            lastCommand = command;
        }
        return uploads;
    }
};

void SetProfile(SharedSettingsBlock& b, int32_t pollingRate, int32_t cpiX) {
    b.CurrentProfile = 0;
    b.Profiles[0].PollingRate = pollingRate;
    b.Profiles[0].Cpi_X = cpiX;
}

TEST_F(MonitorThreads, EveryUploadEncodesOneWholeProfileWhileTheBlockIsReplaced) {
    Start();
    ClearLog();
    WindowThread window(*this);
    for (int i = 0; i < 12; ++i) {
        const bool a = i % 2 == 0;
        window.Call([&] {
            Apply([&](SharedSettingsBlock& b) { SetProfile(b, a ? 0 : 3, a ? 0 : 5); });
            core->OnReloadSetting();
            core->OnReloadWindowsSetting();
        });
    }
    core->WaitForWorker();
    auto uploads = IntervalAndLevelPerUpload();
    // Uploads that met a newer one waiting stopped early (without a level);
    // the last Apply's profile is always sent whole.
    ASSERT_GE(uploads.size(), 1u);
    ASSERT_LE(uploads.size(), 12u);
    EXPECT_EQ(uploads.back(), (std::pair<std::string, std::string>{"01", "06"}));
    for (const auto& [interval, level] : uploads) {
        // 8 ms goes with level 1, 1 ms with level 6: never one of each.
        EXPECT_TRUE(level.empty() || (interval == "08" && level == "01") ||
                    (interval == "01" && level == "06"))
            << interval << " " << level;
    }
}

TEST_F(MonitorThreads, AnUploadCutShortByRemovalIsRepeatedAfterArrival) {
    Start();
    ClearLog();
    WindowThread window(*this);
    // The worker that saw the mouse vanish waits, as a real pause would let
    // it, until the window has passed the removal on to it.
    mouse.afterRemoval = [this] {
        for (int i = 0; i < 5000 && core->WorkerBacklog() == 0; ++i)
            std::this_thread::sleep_for(1ms);
    };
    mouse.With([](sim::SimulatedMouse& m) { m.VanishAfter(5); });
    window.Call([&] { Apply([](SharedSettingsBlock& b) { SetProfile(b, 1, 1); }); });
    core->WaitForWorker();
    window.Call([] {}); // the worker's results are taken
    EXPECT_EQ(core->State(), ConnectionState::Removed);
    EXPECT_TRUE(core->UploadOwed());
    EXPECT_NE(Memory().activeLevel, 2) << "the upload was cut before the level";

    ClearLog();
    mouse.With([](sim::SimulatedMouse& m) { m.Plug(); });
    window.Call([] {}); // the arrival is delivered
    core->WaitForWorker();
    EXPECT_EQ(core->State(), ConnectionState::Present);
    EXPECT_FALSE(core->UploadOwed());
    EXPECT_EQ(IntervalAndLevelPerUpload(),
              (std::vector<std::pair<std::string, std::string>>{{"04", "02"}}));
    EXPECT_EQ(Memory().reportIntervalMs, 4);
    EXPECT_EQ(Memory().activeLevel, 2);
}

TEST_F(MonitorThreads, MouseButtonsDuringUploadsAndReadBacks) {
    Start();
    WindowThread window(*this);
    for (int i = 0; i < 6; ++i) {
        window.Call([&] {
            Apply([](SharedSettingsBlock& b) { SetProfile(b, 2, 2); });
            core->OnTimer(monitor::kTimerStartReadBack);
        });
        mouse.With([](sim::SimulatedMouse& m) {
            m.PressDpiButton();
            m.PressRateButton();
        });
    }
    core->WaitForWorker();
    std::unique_ptr<SharedSettingsBlock> working;
    window.Call([&] { working = core->WorkingCopy(); });
    const ProfileRecord& p = working->Profiles[0];
    EXPECT_GE(p.Cpi_X, 0);
    EXPECT_LT(p.Cpi_X, 6);
}

// While the worker waits on the mouse through an arrival (its settling wait,
// reopening, read-backs), the window's thread goes on with everything else.
// What it asked for meanwhile reaches the mouse once the arrival is over, with
// the level the arrival read back, which the profile takes too.
TEST_F(MonitorThreads, TheWindowNeverWaitsOnTheMouse) {
    Start();
    windows.Open(kOptionCaption);
    const int level = Memory().activeLevel;
    mouse.With([](sim::SimulatedMouse& m) { m.Unplug(); });
    Settle();
    mouse.With([](sim::SimulatedMouse& m) { m.Plug(); });
    mouse.TakeNotifications();
    ClearLog();
    {
        testing::MouseHold hold(mouse);
        const int before = mouse.entered;
        core->OnDeviceChange(kChangeArrived); // as the library posts it
        while (mouse.entered == before)       // the worker waits for the mouse
            std::this_thread::yield();
        Apply([](SharedSettingsBlock& b) { SetProfile(b, 3, 5); });
        core->OnTimer(monitor::kTimerStartReadBack);
        core->OnDeviceEvent(0x0700, 2);
        core->OnProfileChosen(1);
        core->OnProfileChosen(0);
        EXPECT_EQ(core->WorkingCopy()->CurrentProfile, 0);
        EXPECT_EQ(core->WorkingCopy()->Profiles[0].Cpi_X, 1);
    }
    Settle();
    EXPECT_EQ(core->State(), ConnectionState::Present);
    EXPECT_TRUE(notifier.icon);
    EXPECT_EQ(IntervalAndLevelPerUpload(), (std::vector<std::pair<std::string, std::string>>{
                                               {"01", "0" + std::to_string(level)}}));
    EXPECT_EQ(core->WorkingCopy()->Profiles[0].Cpi_X, level - 1);
    EXPECT_FALSE(core->UploadOwed());
    int answers = 0;
    for (const auto& posted : windows.Take())
        answers += posted.message == kMsgApplyDone;
    EXPECT_EQ(answers, 1);
}

// The removal is passed to the worker while an upload runs: the upload ends
// before its next group, is owed, still answers the Apply, and is repeated
// whole on the arrival.
TEST_F(MonitorThreads, AnUploadStopsForAWaitingRemoval) {
    Start();
    windows.Open(kOptionCaption);
    ClearLog();
    trace.Take();
    {
        testing::MouseHold hold(mouse);
        const int before = mouse.entered;
        Apply([](SharedSettingsBlock& b) { SetProfile(b, 1, 1); });
        while (mouse.entered == before) // the upload's first transfer waits for the mouse
            std::this_thread::yield();
        core->OnDeviceChange(kChangeRemoved); // as the library posts it
    }
    Settle();
    EXPECT_EQ(mouse.Log(), (std::vector<std::string>{"feature 01 04 00 00 00 00 00 FA"}))
        << "the first group alone";
    EXPECT_EQ(core->State(), ConnectionState::Removed);
    EXPECT_TRUE(core->UploadOwed());
    EXPECT_EQ(trace.Take(),
              (std::vector<std::string>{"Upload cut short, owed to the next arrival\n",
                                        "Thread Send Enable OK/Apply Button\n"}));

    ClearLog();
    core->OnDeviceChange(kChangeArrived);
    Settle();
    EXPECT_FALSE(core->UploadOwed());
    EXPECT_EQ(IntervalAndLevelPerUpload(),
              (std::vector<std::pair<std::string, std::string>>{{"04", "02"}}));
}

} // namespace
} // namespace mervik
