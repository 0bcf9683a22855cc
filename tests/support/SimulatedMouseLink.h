#pragma once
// The device link straight onto a simulated mouse in the same process: the
// native stand-in for the simulated hiddriver.dll.
#include <vector>

#include "device/DeviceLink.h"
#include "hiddriver/sim/SimulatedMouse.h"

namespace mervik::testing {

class SimulatedMouseLink : public DeviceLink {
public:
    explicit SimulatedMouseLink(sim::SimulatedMouse& mouse) : mouse_(mouse) {}

    bool IsBound() const override { return true; }
    void SelectDevice(uint16_t, uint16_t) override {}
    void StartNotifications() override {}
    void StopNotifications() override {}
    void OpenFeatureInterface() override { mouse_.OpenFeature(); }
    void CloseFeatureInterface() override { mouse_.CloseFeature(); }
    bool OpenReportInterface() override { return mouse_.OpenReport(); }
    void CloseReportInterface() override { mouse_.CloseReport(); }
    bool SendFeature(const FeatureReport& report) override { return mouse_.SetFeature(report); }
    bool ReadFeature(FeatureReport& report) override { return mouse_.GetFeature(report); }
    bool WriteBlock(std::span<const uint8_t> block) override { return mouse_.Write(block); }

private:
    sim::SimulatedMouse& mouse_;
};

} // namespace mervik::testing
