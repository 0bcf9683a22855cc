#pragma once
// A device link that records every call with the fake clock's time and
// answers reads from a script. Nothing is ever sent anywhere.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "protocol/PlanText.h"
#include "tests/support/FakeClock.h"

namespace mervik::testing {

class FakeDeviceLink : public DeviceLink {
public:
    struct Call {
        std::string what; // entry point name, or a transfer line of PlanText
        Clock::TimePoint at;
    };

    explicit FakeDeviceLink(FakeClock& clock) : clock_(clock) {}

    bool bound = true;
    bool present = true;
    std::optional<FeatureReport> answer; // nothing: GetFeature fails
    std::vector<Call> calls;
    std::function<void()> onTransfer; // runs after each transfer
    size_t failIn = 0;                // n: the n-th transfer from now fails; 0: none

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const Call& c : calls)
            names.push_back(c.what);
        return names;
    }

    bool IsBound() const override { return bound; }
    void SelectDevice(uint16_t vid, uint16_t pid) override {
        Record("Set_VIDPID " + std::to_string(vid) + " " + std::to_string(pid));
    }
    void StartNotifications() override { Record("Open_DevMonitor"); }
    void StopNotifications() override { Record("Close_DevMonitor"); }
    void OpenFeatureInterface() override { Record("Open_FeatureDevice"); }
    void CloseFeatureInterface() override { Record("Close_FeatureDevice"); }
    bool OpenReportInterface() override {
        Record("Open_ReportDevice");
        return present;
    }
    void CloseReportInterface() override { Record("Close_ReportDevice"); }
    bool SendFeature(const FeatureReport& report) override {
        return Transferred(TransferLine(StepKind::Feature, report));
    }
    bool ReadFeature(FeatureReport& report) override {
        if (!Transferred("read " + TransferLine(StepKind::Feature, report)) || !answer)
            return false;
        report = *answer;
        return true;
    }
    bool WriteBlock(std::span<const uint8_t> block) override {
        return Transferred(TransferLine(StepKind::Write, block));
    }

private:
    void Record(std::string what) { calls.push_back({std::move(what), clock_.now}); }
    bool Transferred(std::string line) {
        Record(std::move(line));
        if (onTransfer)
            onTransfer();
        return failIn == 0 || --failIn != 0;
    }
    FakeClock& clock_;
};

} // namespace mervik::testing
