// hiddriver.dll over the Windows HID API. Our choices, where the service
// leaves them to the library:
//  - the mouse is every HID collection whose attributes give the selected
//    vendor and product (SetupAPI device-interface list + HidD_GetAttributes);
//  - feature reports go to the first such collection with a feature length of
//    at least 8 bytes, output blocks to the first with an output length of at
//    least 33 (report id 0 and a 32-byte block); see HidChannel.h for framing;
//  - the mouse's events are input reports of that output collection: after
//    the report id, event class (2 bytes) then value (2 bytes), high byte
//    first; each becomes the event message, class in wParam, value in lParam;
//  - arrival and removal come from device-interface notifications
//    (DeviceNotifier.h) and become the change message, wParam 1 or 0.
#define MERVIK_HIDDRIVER_EXPORTS
#include "hiddriver/HidDriverApi.h"

#include <mutex>
#include <optional>
#include <span>

#include "hiddriver/win32/DeviceNotifier.h"
#include "hiddriver/win32/HidChannel.h"
#include "hiddriver/win32/LibraryThread.h"

namespace mervik::hid {

namespace {

constexpr uint16_t kMinFeatureLength = 8;
constexpr uint16_t kMinOutputLength = 33;
constexpr size_t kEventBytes = 4;

struct Host {
    HWND window = nullptr;
    UINT eventMessage = 0;
    UINT changeMessage = 0;
};

class RealDriver {
public:
    void Select(int vendorId, int productId) {
        std::lock_guard lock(mutex_);
        vendorId_ = static_cast<uint16_t>(vendorId);
        productId_ = static_cast<uint16_t>(productId);
    }

    void OpenMonitor(const Host& host) {
        CloseMonitor();
        SetHost(host);
        notifier_.Start(vendorId_, productId_,
                        [this](bool present) { Post(&Host::changeMessage, present ? 1 : 0, 0); });
    }

    void CloseMonitor() {
        notifier_.Stop();
        SetHost({});
    }

    bool OpenFeature() {
        std::lock_guard lock(mutex_);
        auto info =
            Pick([](const HidInterfaceInfo& i) { return i.featureLength >= kMinFeatureLength; });
        return info && feature_.Open(*info, false);
    }

    void CloseFeature() {
        std::lock_guard lock(mutex_);
        feature_.Close();
    }

    bool OpenReport() {
        CloseReport();
        std::lock_guard lock(mutex_);
        auto info =
            Pick([](const HidInterfaceInfo& i) { return i.outputLength >= kMinOutputLength; });
        if (!info || !report_.Open(*info, true))
            return false;
        if (info->inputLength > kEventBytes)
            events_.Start([this](HANDLE stop) { ReadEvents(stop); });
        return true;
    }

    void CloseReport() {
        events_.Stop(); // before the handle it reads goes away
        std::lock_guard lock(mutex_);
        report_.Close();
    }

    bool SetFeature(std::span<const uint8_t> r) {
        std::lock_guard lock(mutex_);
        return feature_.SetFeature(r);
    }

    bool GetFeature(std::span<uint8_t> r) {
        std::lock_guard lock(mutex_);
        return feature_.GetFeature(r);
    }

    bool Write(std::span<const uint8_t> block) {
        std::lock_guard lock(mutex_);
        return report_.WriteOutput(block);
    }

private:
    template <typename Pred> std::optional<HidInterfaceInfo> Pick(Pred pred) {
        for (HidInterfaceInfo& info : FindHidInterfaces(vendorId_, productId_))
            if (pred(info))
                return std::move(info);
        return std::nullopt;
    }

    // Reads on its own thread; the handle stays open until CloseReport has
    // stopped this thread.
    void ReadEvents(HANDLE stop) {
        std::vector<uint8_t> data;
        while (report_.ReadInput(data, stop)) {
            if (data.size() < kEventBytes)
                continue;
            Post(&Host::eventMessage, static_cast<WPARAM>(data[0] << 8 | data[1]),
                 static_cast<LPARAM>(data[2] << 8 | data[3]));
        }
    }

    void SetHost(const Host& host) {
        std::lock_guard lock(hostMutex_);
        host_ = host;
    }

    void Post(UINT Host::*message, WPARAM wParam, LPARAM lParam) {
        std::lock_guard lock(hostMutex_);
        if (host_.window)
            PostMessageA(host_.window, host_.*message, wParam, lParam);
    }

    std::mutex mutex_; // the channels
    uint16_t vendorId_ = 0;
    uint16_t productId_ = 0;
    HidChannel feature_;
    HidChannel report_;
    win::LibraryThread events_;
    DeviceNotifier notifier_;
    std::mutex hostMutex_;
    Host host_;
};

RealDriver& Driver() {
    static RealDriver driver;
    return driver;
}

template <typename Fn> int OnBuffer(unsigned char* buffer, int length, Fn fn) {
    if (!buffer || length <= 0)
        return 0;
    return fn(std::span(buffer, static_cast<size_t>(length))) ? 1 : 0;
}

} // namespace

} // namespace mervik::hid

using mervik::hid::Driver;

extern "C" {

int WINAPI Set_VIDPID(int vendorId, int productId) {
    Driver().Select(vendorId, productId);
    return 1;
}

int WINAPI Open_DevMonitor(HWND window, UINT eventMessage, UINT changeMessage) {
    Driver().OpenMonitor({window, eventMessage, changeMessage});
    return 1;
}

int WINAPI Close_DevMonitor() {
    Driver().CloseMonitor();
    return 1;
}

int WINAPI Open_FeatureDevice() {
    return Driver().OpenFeature() ? 1 : 0;
}

int WINAPI Close_FeatureDevice() {
    Driver().CloseFeature();
    return 1;
}

int WINAPI Open_ReportDevice() {
    return Driver().OpenReport() ? 1 : 0;
}

int WINAPI Close_ReportDevice() {
    Driver().CloseReport();
    return 1;
}

int WINAPI SetFeature(unsigned char* buffer, int length) {
    return mervik::hid::OnBuffer(buffer, length,
                                 [](std::span<uint8_t> b) { return Driver().SetFeature(b); });
}

int WINAPI GetFeature(unsigned char* buffer, int length) {
    return mervik::hid::OnBuffer(buffer, length,
                                 [](std::span<uint8_t> b) { return Driver().GetFeature(b); });
}

int WINAPI WriteUSB(unsigned char* buffer, int length) {
    return mervik::hid::OnBuffer(buffer, length,
                                 [](std::span<uint8_t> b) { return Driver().Write(b); });
}

} // extern "C"
