// The simulated hiddriver.dll: the ten entry points onto one simulated mouse
// that lives in the loading process, plus its control channel. See
// SimControl.h for the commands and ControlPipeName.h for the pipe.
#define MERVIK_HIDDRIVER_EXPORTS
#include "hiddriver/HidDriverApi.h"

#include <chrono>
#include <mutex>
#include <span>

#include "hiddriver/sim/ControlPipeName.h"
#include "hiddriver/sim/SimControl.h"
#include "hiddriver/sim/SimulatedMouse.h"
#include "hiddriver/sim/win32/ControlPipeServer.h"
#include "protocol/DeviceIds.h"

namespace mervik::sim {

namespace {

int64_t MicrosecondsSinceLoad() {
    static const auto start = std::chrono::steady_clock::now();
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

struct Host {
    HWND window = nullptr;
    UINT eventMessage = 0;
    UINT changeMessage = 0;
};

// Process-wide: the mouse, where its messages go, and the control channel.
class SimDriver {
public:
    SimDriver() {
        mouse_.SetNotify([this](const Notification& n) { Post(n); });
    }

    template <typename Fn> auto WithMouse(Fn fn) {
        std::lock_guard lock(mutex_);
        return fn(mouse_);
    }

    void Select(int vendorId, int productId) {
        std::lock_guard lock(mutex_);
        selected_ = vendorId == kMouseVendorId && productId == kMouseProductId;
    }
    bool Selected() {
        std::lock_guard lock(mutex_);
        return selected_;
    }

    void SetHost(const Host& host) {
        std::lock_guard lock(mutex_);
        host_ = host;
    }

    void StartControl() {
        std::lock_guard lock(controlMutex_);
        if (controlRunning_)
            return;
        controlRunning_ = control_.Start(
            ControlPipeName(GetCurrentProcessId()), [this](std::string_view command) {
                return WithMouse([&](SimulatedMouse& m) { return RunControlCommand(m, command); });
            });
        if (!controlRunning_)
            OutputDebugStringA("hiddriver (simulated): control pipe not available\n");
    }
    void StopControl() {
        std::lock_guard lock(controlMutex_);
        control_.Stop();
        controlRunning_ = false;
    }

private:
    // Called with mutex_ held; posting never blocks.
    void Post(const Notification& n) {
        if (!host_.window)
            return;
        UINT message = n.kind == Notification::Event ? host_.eventMessage : host_.changeMessage;
        PostMessageA(host_.window, message, n.wParam, n.lParam);
    }

    std::mutex mutex_;
    SimulatedMouse mouse_{&MicrosecondsSinceLoad};
    Host host_;
    bool selected_ = false;
    std::mutex controlMutex_;
    ControlPipeServer control_;
    bool controlRunning_ = false;
};

SimDriver& Driver() {
    static SimDriver driver;
    return driver;
}

template <typename Fn> int OnBuffer(unsigned char* buffer, int length, Fn fn) {
    if (!buffer || length < 0)
        return 0;
    return Driver().WithMouse([&](SimulatedMouse& m) {
        return fn(m, std::span(buffer, static_cast<size_t>(length)));
    })
               ? 1
               : 0;
}

} // namespace

} // namespace mervik::sim

using mervik::sim::Driver;
using mervik::sim::SimulatedMouse;

extern "C" {

int WINAPI Set_VIDPID(int vendorId, int productId) {
    Driver().Select(vendorId, productId);
    Driver().StartControl();
    return 1;
}

int WINAPI Open_DevMonitor(HWND window, UINT eventMessage, UINT changeMessage) {
    Driver().SetHost({window, eventMessage, changeMessage});
    Driver().StartControl();
    return 1;
}

int WINAPI Close_DevMonitor() {
    Driver().SetHost({});
    Driver().StopControl();
    return 1;
}

int WINAPI Open_FeatureDevice() {
    if (!Driver().Selected())
        return 0;
    return Driver().WithMouse([](SimulatedMouse& m) { return m.OpenFeature(); }) ? 1 : 0;
}

int WINAPI Close_FeatureDevice() {
    Driver().WithMouse([](SimulatedMouse& m) { m.CloseFeature(); });
    return 1;
}

int WINAPI Open_ReportDevice() {
    if (!Driver().Selected())
        return 0;
    return Driver().WithMouse([](SimulatedMouse& m) { return m.OpenReport(); }) ? 1 : 0;
}

int WINAPI Close_ReportDevice() {
    Driver().WithMouse([](SimulatedMouse& m) { m.CloseReport(); });
    return 1;
}

int WINAPI SetFeature(unsigned char* buffer, int length) {
    return mervik::sim::OnBuffer(
        buffer, length, [](SimulatedMouse& m, std::span<uint8_t> b) { return m.SetFeature(b); });
}

int WINAPI GetFeature(unsigned char* buffer, int length) {
    return mervik::sim::OnBuffer(
        buffer, length, [](SimulatedMouse& m, std::span<uint8_t> b) { return m.GetFeature(b); });
}

int WINAPI WriteUSB(unsigned char* buffer, int length) {
    return mervik::sim::OnBuffer(
        buffer, length, [](SimulatedMouse& m, std::span<uint8_t> b) { return m.Write(b); });
}

} // extern "C"
