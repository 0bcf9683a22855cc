// The service's two threads at work together: built under ThreadSanitizer in
// its own tree, as well as in the ordinary native one.
#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <thread>

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
    // Report interval and active level of each upload, in the order sent.
    std::vector<std::pair<std::string, std::string>> IntervalAndLevelPerUpload() {
        std::vector<std::pair<std::string, std::string>> uploads;
        for (const std::string& line : mouse.Log()) {
            if (line.rfind("feature 01 ", 0) == 0)
                uploads.push_back({line.substr(11, 2), ""});
            if (line.rfind("feature 0B ", 0) == 0 && !uploads.empty())
                uploads.back().second = line.substr(11, 2);
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
    // it, until the window has taken the removal.
    mouse.afterRemoval = [this] {
        for (int i = 0; i < 5000 && core->State() == ConnectionState::Present; ++i)
            std::this_thread::sleep_for(1ms);
    };
    mouse.With([](sim::SimulatedMouse& m) { m.VanishAfter(5); });
    window.Call([&] { Apply([](SharedSettingsBlock& b) { SetProfile(b, 1, 1); }); });
    core->WaitForWorker();
    window.Call([] {});
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
    window.Call([] {});
    auto working = core->WorkingCopy();
    const ProfileRecord& p = working->Profiles[0];
    EXPECT_GE(p.Cpi_X, 0);
    EXPECT_LT(p.Cpi_X, 6);
}

} // namespace
} // namespace mervik
