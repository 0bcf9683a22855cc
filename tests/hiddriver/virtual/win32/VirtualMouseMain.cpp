// VirtualMouse.exe (tests only): the virtual mouse's user-mode half. It puts
// the mouse's collections into the prefix as root-enumerated devices served
// by our HID minidriver, answers the driver's requests with the portable
// simulated mouse, and serves the simulated mouse's control pipe, so that
// mousesim drives it as it drives the simulated hiddriver.dll.
//
//   VirtualMouse SHAPE     run the mouse in that shape until standard input
//                          ends or says "quit"; prints "ready" once its
//                          collections are present
//   VirtualMouse shapes    the shapes it can take
//   VirtualMouse remove    remove every virtual mouse device of the prefix
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <variant>

#include "hiddriver/sim/ControlPipeName.h"
#include "hiddriver/sim/SimControl.h"
#include "hiddriver/sim/win32/ControlPipeServer.h"
#include "protocol/DeviceMessages.h"
#include "tests/hiddriver/virtual/MouseBridge.h"
#include "tests/hiddriver/virtual/win32/ControlDevice.h"
#include "tests/hiddriver/virtual/win32/DriverPipe.h"
#include "tests/hiddriver/virtual/win32/VirtualDevices.h"

namespace mervik::vmouse {

namespace {

constexpr wchar_t kInfName[] = L"MervikVirtualMouse.inf";
constexpr auto kPresenceTimeout = std::chrono::seconds(10);

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

int64_t MicrosecondsSinceStart() {
    static const auto start = std::chrono::steady_clock::now();
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

void Complain(const std::string& text) {
    std::fprintf(stderr, "VirtualMouse: %s\n", text.c_str());
}

struct PlugIn {};
struct PullOut {};
using Work = std::variant<PlugIn, PullOut, InputReport>;

// What the mouse asks of the devices, done on a thread of its own: never
// while the driver waits for the answer that raised it.
class DeviceWork {
public:
    void Push(Work work) {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(work));
        ready_.notify_one();
    }

    Work Pop() {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return !queue_.empty(); });
        Work work = std::move(queue_.front());
        queue_.pop_front();
        return work;
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Work> queue_;
};

class VirtualMouse {
public:
    explicit VirtualMouse(const VirtualShape& shape)
        : shape_(shape), devices_(BesideThisProgram(kInfName)) {
        mouse_.SetNotify([this](const sim::Notification& n) { OnNotification(n); });
    }

    bool Start() {
        if (!ServeDriverPipe([this](const vmouse_request& r) { return Answer(r); })) {
            Complain("the driver's pipe is served by another VirtualMouse");
            return false;
        }
        control_.Start(sim::ControlPipeName(GetCurrentProcessId()),
                       [this](std::string_view command) {
                           std::lock_guard lock(mutex_);
                           return sim::RunControlCommand(mouse_, command);
                       });
        devices_.RemoveAll();
        std::thread([this] { RunDeviceWork(); }).detach();
        return PlugIn_() && AwaitCollections(static_cast<int>(shape_.collections.size()));
    }

    void Stop() { PullOut_(); }

private:
    BridgeReply Answer(const vmouse_request& r) {
        std::lock_guard lock(mutex_);
        return bridge_.Answer(r.kind, r.device, static_cast<uint8_t>(r.report_id),
                              std::span(r.data, r.length));
    }

    // Called with mutex_ held, from inside the mouse.
    void OnNotification(const sim::Notification& n) {
        if (n.kind == sim::Notification::Change)
            work_.Push(n.wParam == kChangeArrived ? Work(PlugIn{}) : Work(PullOut{}));
        else if (auto input = bridge_.InputFor(n))
            work_.Push(std::move(*input));
    }

    void RunDeviceWork() {
        for (;;) {
            Work work = work_.Pop();
            std::string error;
            if (std::holds_alternative<PlugIn>(work))
                PlugIn_();
            else if (std::holds_alternative<PullOut>(work))
                PullOut_();
            else if (!SendInput(std::get<InputReport>(work), error))
                Complain(error);
        }
    }

    bool PlugIn_() {
        std::string error;
        for (const VirtualCollection& c : shape_.collections)
            if (!devices_.Create(c, error)) {
                Complain(error);
                return false;
            }
        // The host's handles are its own business behind a HID stack: the
        // mouse counts as opened while it is plugged in.
        std::lock_guard lock(mutex_);
        mouse_.OpenFeature();
        mouse_.OpenReport();
        return true;
    }

    void PullOut_() {
        std::string error;
        for (const VirtualCollection& c : shape_.collections)
            if (!devices_.Remove(c, error))
                Complain(error);
    }

    bool AwaitCollections(int count) {
        const auto end = std::chrono::steady_clock::now() + kPresenceTimeout;
        while (PresentMouseCollections() < count) {
            if (std::chrono::steady_clock::now() > end) {
                Complain("the collections did not appear");
                return false;
            }
            Sleep(20);
        }
        return true;
    }

    const VirtualShape& shape_;
    VirtualDevices devices_;
    std::mutex mutex_; // the mouse
    sim::SimulatedMouse mouse_{&MicrosecondsSinceStart};
    MouseBridge bridge_{mouse_, shape_};
    sim::ControlPipeServer control_;
    DeviceWork work_;
};

int Usage() {
    std::fputs("usage: VirtualMouse SHAPE | shapes | remove\n", stderr);
    return 2;
}

int ListShapes() {
    for (const VirtualShape& s : Shapes())
        std::printf("%-10s %s\n", s.name.c_str(), s.summary.c_str());
    return 0;
}

int Run(const VirtualShape& shape) {
    static VirtualMouse mouse(shape); // its threads outlive main's return
    if (!mouse.Start())
        return 1;
    std::printf("ready %lu %s\n", GetCurrentProcessId(), shape.name.c_str());
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line) && line != "quit" && line != "quit\r") {
    }
    mouse.Stop();
    std::fflush(stdout);
    ExitProcess(0);
}

} // namespace

} // namespace mervik::vmouse

int main(int argc, char** argv) {
    using namespace mervik::vmouse;
    if (argc != 2)
        return Usage();
    const std::string verb = argv[1];
    if (verb == "shapes")
        return ListShapes();
    if (verb == "remove") {
        std::printf("%d removed\n", VirtualDevices(BesideThisProgram(kInfName)).RemoveAll());
        return 0;
    }
    const VirtualShape* shape = ShapeNamed(verb);
    return shape ? Run(*shape) : Usage();
}
