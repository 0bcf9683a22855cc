#pragma once
// The service's way to the mouse: the ten entry points of hiddriver.dll, named
// after what the service does with them. Every call blocks until it returns.
// Implementations: the Win32 binder (DeviceLinkWin32.h) and test doubles.
#include <cstdint>
#include <span>

#include "protocol/FeatureReport.h"

namespace mervik {

class DeviceLink {
public:
    virtual ~DeviceLink() = default;

    // False when the library or one of its entry points is missing; then the
    // mouse is absent and no other member may be called.
    virtual bool IsBound() const = 0;

    virtual void SelectDevice(uint16_t vendorId, uint16_t productId) = 0; // Set_VIDPID
    // From now on the library reports events and arrival/removal to the
    // service's window (Open_DevMonitor / Close_DevMonitor).
    virtual void StartNotifications() = 0;
    virtual void StopNotifications() = 0;
    virtual void OpenFeatureInterface() = 0;  // Open_FeatureDevice
    virtual void CloseFeatureInterface() = 0; // Close_FeatureDevice
    // True when the mouse is present and its output interface is open.
    virtual bool OpenReportInterface() = 0;  // Open_ReportDevice
    virtual void CloseReportInterface() = 0; // Close_ReportDevice

    // Each transfer is true when it went through: the mouse is there, the
    // interface open and the transfer taken.
    [[nodiscard]] virtual bool SendFeature(const FeatureReport& report) = 0; // SetFeature
    // `report[0]` names the report wanted; true when `report` holds the answer.
    [[nodiscard]] virtual bool ReadFeature(FeatureReport& report) = 0;         // GetFeature
    [[nodiscard]] virtual bool WriteBlock(std::span<const uint8_t> block) = 0; // WriteUSB
};

} // namespace mervik
