#pragma once
// In-memory stand-ins for everything around the service core, safe to use from
// the window's thread and the device worker at once, and a simulated mouse
// whose notifications the test hands to the core as the window would.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "contract/MouseStatus.h"
#include "contract/ProgramMessages.h"
#include "device/Clock.h"
#include "device/DeviceLink.h"
#include "hiddriver/sim/SimulatedMouse.h"
#include "lang/TextIds.h"
#include "service/core/MonitorPorts.h"

namespace mervik::testing {

// Time moves only when someone sleeps, from any thread.
class InstantClock : public Clock {
public:
    TimePoint Now() override { return TimePoint(Duration(ticks_.load())); }
    void SleepFor(Duration d) override { ticks_ += d.count() > 0 ? d.count() : 1; }

private:
    std::atomic<Duration::rep> ticks_{0};
};

// The native stand-in for the simulated hiddriver.dll: one lock around the
// mouse, as the library has, and its notifications kept for the test to pump.
class LockedMouseLink : public DeviceLink {
public:
    LockedMouseLink() {
        mouse_.SetNotify([this](const sim::Notification& n) {
            pending_.push_back(n);
            if (n.kind == sim::Notification::Change && n.wParam == 0)
                ++removals_;
        });
    }

    template <typename Fn> auto With(Fn fn) {
        ++entered;
        std::unique_lock lock(mutex_);
        const size_t before = removals_;
        if constexpr (std::is_void_v<decltype(fn(mouse_))>) {
            fn(mouse_);
            const bool removed = removals_ != before;
            lock.unlock();
            if (removed && afterRemoval)
                afterRemoval();
        } else {
            auto result = fn(mouse_);
            const bool removed = removals_ != before;
            lock.unlock();
            if (removed && afterRemoval)
                afterRemoval();
            return result;
        }
    }
    // Runs on the thread whose transfer made the mouse vanish, once the lock is
    // released: lets a test hold that thread until the window has seen it.
    std::function<void()> afterRemoval;
    // Runs after each transfer the host makes (feature reports and blocks),
    // once the lock is released, with their number so far; set before the
    // worker starts.
    std::function<void(int transfers)> afterTransfer;
    // Calls that reached the mouse's lock, whether they got it or still wait.
    std::atomic<int> entered{0};
    std::vector<sim::Notification> TakeNotifications() {
        std::lock_guard lock(mutex_);
        return std::exchange(pending_, {});
    }
    // Transfer lines without timestamps, reads included.
    std::vector<std::string> Log() {
        std::lock_guard lock(mutex_);
        std::vector<std::string> lines;
        for (const sim::LogEntry& e : mouse_.Log())
            lines.push_back(e.line);
        return lines;
    }

    bool IsBound() const override { return true; }
    void SelectDevice(uint16_t, uint16_t) override {}
    void StartNotifications() override {}
    void StopNotifications() override {}
    void OpenFeatureInterface() override {
        With([](sim::SimulatedMouse& m) { return m.OpenFeature(); });
    }
    void CloseFeatureInterface() override {
        With([](sim::SimulatedMouse& m) { m.CloseFeature(); });
    }
    bool OpenReportInterface() override {
        return With([](sim::SimulatedMouse& m) { return m.OpenReport(); });
    }
    void CloseReportInterface() override {
        With([](sim::SimulatedMouse& m) { m.CloseReport(); });
    }
    bool SendFeature(const FeatureReport& r) override {
        return Transferred(With([&](sim::SimulatedMouse& m) { return m.SetFeature(r); }));
    }
    bool ReadFeature(FeatureReport& r) override {
        return With([&](sim::SimulatedMouse& m) { return m.GetFeature(r); });
    }
    bool WriteBlock(std::span<const uint8_t> b) override {
        return Transferred(With([&](sim::SimulatedMouse& m) { return m.Write(b); }));
    }

private:
    bool Transferred(bool taken) {
        const int transfers = ++transfers_;
        if (afterTransfer)
            afterTransfer(transfers);
        return taken;
    }

    std::mutex mutex_;
    std::atomic<int64_t> micros_{0};
    sim::SimulatedMouse mouse_{[this] { return ++micros_; }};
    std::vector<sim::Notification> pending_;
    size_t removals_ = 0;
    std::atomic<int> transfers_{0};
};

// Holds the simulated mouse's lock from another thread, so the worker stops at
// its next transfer until the test lets it go.
class MouseHold {
public:
    explicit MouseHold(LockedMouseLink& mouse) {
        thread_ = std::thread([this, &mouse] {
            mouse.With([this](sim::SimulatedMouse&) {
                std::unique_lock lock(mutex_);
                held_ = true;
                changed_.notify_all();
                changed_.wait(lock, [this] { return released_; });
            });
        });
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return held_; });
    }
    ~MouseHold() { Release(); }
    void Release() {
        {
            std::lock_guard lock(mutex_);
            released_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = false;
    bool released_ = false;
    std::thread thread_;
};

class FakeSharedBlock : public SharedBlock {
public:
    FakeSharedBlock() { std::memset(&image_, 0, sizeof image_); }
    bool Read(SharedSettingsBlock& into) override {
        std::lock_guard lock(mutex_);
        if (broken)
            return false;
        into = image_;
        return true;
    }
    bool Write(const SharedSettingsBlock& from) override {
        std::lock_guard lock(mutex_);
        if (broken)
            return false;
        image_ = from;
        ++writes;
        return true;
    }
    bool Update(const std::function<bool(SharedSettingsBlock&)>& change) override {
        std::lock_guard lock(mutex_);
        if (broken)
            return false;
        auto copy = std::make_unique<SharedSettingsBlock>(image_);
        if (!change(*copy))
            return false;
        image_ = *copy;
        ++writes;
        return true;
    }
    // What another program would do: change the block in place.
    template <typename Fn> void Edit(Fn fn) {
        std::lock_guard lock(mutex_);
        fn(image_);
    }
    std::atomic<bool> broken{false};
    std::atomic<int> writes{0};

private:
    std::mutex mutex_;
    SharedSettingsBlock image_;
};

// Option's status and progress messages are kept apart from the others, as
// what they say, so the tests of everything else see the messages they did.
class FakeWindows : public ProgramWindows {
public:
    struct Posted {
        std::string caption;
        unsigned message;
        uintptr_t wParam;
        intptr_t lParam;
        bool operator==(const Posted&) const = default;
        friend void PrintTo(const Posted& p, std::ostream* os) {
            *os << p.caption << " " << p.message << " " << p.wParam << " " << p.lParam;
        }
    };
    // Each status Option was told, and each progress in percent.
    std::vector<MouseStatus> TakeStatuses() {
        std::lock_guard lock(mutex_);
        return std::exchange(statuses_, {});
    }
    std::vector<int> TakeProgress() {
        std::lock_guard lock(mutex_);
        return std::exchange(progress_, {});
    }

    void Open(const std::string& caption) {
        std::lock_guard lock(mutex_);
        handles_[caption] = handles_.size() + 1;
    }
    std::vector<Posted> Take() {
        std::lock_guard lock(mutex_);
        return std::exchange(posted_, {});
    }
    std::vector<std::string> activated;

    Handle Find(const char* caption) override {
        std::lock_guard lock(mutex_);
        auto it = handles_.find(caption);
        return it == handles_.end() ? 0 : it->second;
    }
    bool Post(Handle window, unsigned message, uintptr_t wParam, intptr_t lParam) override {
        std::lock_guard lock(mutex_);
        if (message == kMsgMouseStatus) {
            std::optional<MouseStatus> status = DecodeMouseStatus(wParam, lParam);
            statuses_.push_back(status.value_or(MouseStatus{}));
        } else if (message == kMsgUploadProgress) {
            progress_.push_back(static_cast<int>(wParam));
        } else {
            posted_.push_back({CaptionOf(window), message, wParam, lParam});
        }
        return true;
    }
    void Activate(Handle window) override {
        std::lock_guard lock(mutex_);
        activated.push_back(CaptionOf(window));
    }

private:
    std::string CaptionOf(Handle window) const {
        for (const auto& [caption, handle] : handles_)
            if (handle == window)
                return caption;
        return "?";
    }
    std::mutex mutex_;
    std::map<std::string, Handle> handles_;
    std::vector<Posted> posted_;
    std::vector<MouseStatus> statuses_;
    std::vector<int> progress_;
};

struct FakeNotifier : Notifier {
    bool icon = false;
    bool connected = false;            // the icon not greyed
    std::vector<std::string> balloons; // "text|timeout"
    std::vector<std::string> tips;     // each change
    void AddIcon() override { icon = true; }
    void RemoveIcon() override { icon = false; }
    void ShowConnected(bool c) override { connected = c; }
    void SetTip(std::string_view tip) override { tips.emplace_back(tip); }
    void ShowBalloon(std::string_view text, std::string_view, uint32_t,
                     uint32_t timeoutMs) override {
        balloons.push_back(std::string(text) + "|" + std::to_string(timeoutMs));
    }
};

struct FakeTimers : TimerService {
    std::map<unsigned, unsigned> running;
    std::vector<unsigned> started;
    void Start(unsigned id, unsigned periodMs) override {
        running[id] = periodMs;
        started.push_back(id);
    }
    void Stop(unsigned id) override { running.erase(id); }
};

struct FakePointerSystem : PointerSystem {
    std::vector<std::string> calls;
    void SetDoubleClickTime(int ms) override {
        calls.push_back("double-click " + std::to_string(ms));
    }
    void SetButtonsSwapped(bool s) override {
        calls.push_back(std::string("swap ") + (s ? "on" : "off"));
    }
    void SetAcceleration(const Acceleration& a) override {
        calls.push_back("mouse " + std::to_string(a.threshold1) + " " +
                        std::to_string(a.threshold2) + " " + std::to_string(a.speed));
    }
    void SetPointerSpeed(int speed) override { calls.push_back("speed " + std::to_string(speed)); }
    void SetWheelLines(int lines) override { calls.push_back("wheel " + std::to_string(lines)); }
};

struct FakeProcesses : ProcessLister {
    std::optional<std::string> foreground;
    std::optional<std::string> ForegroundExecutable() override { return foreground; }
};

struct FakeLauncher : ProgramLauncher {
    std::vector<std::string> opened;
    void Open(const std::string& path) override { opened.push_back(path); }
};

// The language library's texts that the service uses, as lang/lan.rc has them.
struct FakeTexts : TextSource {
    std::map<unsigned, std::string> texts{{kTextTrayOpenOption, "Open settings"},
                                          {kTextTrayExit, "Exit"},
                                          {kTextTrayTip, "Mouse"},
                                          {kTextUnnamedProfile, "Profile %1"},
                                          {kTextTipWithProfile, "%1 - %2"},
                                          {kTextTraySendAgain, "Send again"},
                                          {kTextTipSending, "%1 (sending)"},
                                          {kTextTipNotInMouse, "%1 (not in the mouse)"},
                                          {kTextTipNoMouse, "%1 (no mouse)"}};
    std::string Text(unsigned id) override {
        auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    }
};

// The hidden window's queue as far as the worker's results go: they wait for
// the test's window thread to pump them.
class FakeWorkerResults : public WorkerResults {
public:
    bool Deliver(const WorkerResult& result) override {
        std::lock_guard lock(mutex_);
        if (refused)
            return false;
        queued_.push_back(result);
        return true;
    }
    std::vector<WorkerResult> Take() {
        std::lock_guard lock(mutex_);
        return std::exchange(queued_, {});
    }
    bool refused = false; // set before the worker runs

private:
    std::mutex mutex_;
    std::vector<WorkerResult> queued_;
};

class FakeTrace : public TraceSink {
public:
    void Trace(std::string_view line) override {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(line);
    }
    std::vector<std::string> Take() {
        std::lock_guard lock(mutex_);
        return std::exchange(lines_, {});
    }

private:
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

} // namespace mervik::testing
