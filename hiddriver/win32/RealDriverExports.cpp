// hiddriver.dll over the Windows HID API. Our choices, where the service
// leaves them to the library:
//  - the mouse is every HID collection whose attributes give the selected
//    vendor and product (HidInterfaces.h);
//  - which collection carries features, output and events, and why the
//    others do not, is CollectionChoice.h; each open traces that choice;
//  - reports are framed as each collection describes them (HidChannel.h);
//  - the mouse's events are input reports (DeviceEventReport.h); each becomes
//    the event message, class in wParam, value in lParam;
//  - arrival and removal come from device-interface notifications
//    (DeviceNotifier.h) and become the change message, wParam 1 or 0.
#define MERVIK_HIDDRIVER_EXPORTS
#include "hiddriver/HidDriverApi.h"

#include <mutex>
#include <span>
#include <vector>

#include "hiddriver/core/CollectionChoice.h"
#include "hiddriver/core/DeviceEventReport.h"
#include "hiddriver/core/TraceText.h"
#include "hiddriver/win32/DeviceNotifier.h"
#include "hiddriver/win32/HidChannel.h"
#include "hiddriver/win32/HidInterfaces.h"
#include "hiddriver/win32/HidTrace.h"
#include "hiddriver/win32/LibraryThread.h"

namespace mervik::hid {

namespace {

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
        feature_.Close();
        const auto [collections, choice] = Choose();
        return choice.features && feature_.Open(collections[*choice.features], false);
    }

    void CloseFeature() {
        std::lock_guard lock(mutex_);
        feature_.Close();
    }

    bool OpenReport() {
        CloseReport();
        std::lock_guard lock(mutex_);
        const auto [collections, choice] = Choose();
        if (!choice.output || !output_.Open(collections[*choice.output], true))
            return false;
        if (choice.events && events_.Open(collections[*choice.events], true))
            reader_.Start([this](HANDLE stop) { ReadEvents(stop); });
        return true;
    }

    void CloseReport() {
        reader_.Stop(); // before the handle it reads goes away
        std::lock_guard lock(mutex_);
        output_.Close();
        events_.Close();
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
        return output_.WriteOutput(block);
    }

private:
    struct Chosen {
        std::vector<HidCollection> collections;
        CollectionChoice choice;
    };

    Chosen Choose() {
        Chosen chosen{FindHidCollections(vendorId_, productId_), {}};
        chosen.choice = ChooseCollections(chosen.collections);
        for (const std::string& line : ChoiceTrace(chosen.collections, chosen.choice))
            Trace(line);
        return chosen;
    }

    // Reads on its own thread, from a handle of its own that stays open
    // until CloseReport has stopped this thread.
    void ReadEvents(HANDLE stop) {
        std::vector<uint8_t> body;
        while (events_.ReadInput(body, stop)) {
            if (auto event = DecodeEvent(body))
                Post(&Host::eventMessage, event->eventClass, event->value);
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
    HidChannel output_;
    HidChannel events_;
    win::LibraryThread reader_;
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
