#include "device/DeviceConnection.h"

#include "protocol/DeviceIds.h"
#include "protocol/DeviceMessages.h"

namespace mervik {

std::optional<uint32_t> ConnectionEventOfChange(uintptr_t wParam) {
    if (wParam == kChangeArrived)
        return MakeDeviceEvent(kEventClassConnection, kConnectionArrived);
    if (wParam == kChangeRemoved)
        return MakeDeviceEvent(kEventClassConnection, kConnectionRemoved);
    return std::nullopt;
}

bool DeviceConnection::Open() {
    if (!link_.IsBound())
        return false;
    link_.SelectDevice(kMouseVendorId, kMouseProductId);
    link_.StartNotifications();
    link_.OpenFeatureInterface();
    const bool present = link_.OpenReportInterface();
    state_ = present ? ConnectionState::Present : ConnectionState::Absent;
    return present;
}

void DeviceConnection::Close() {
    if (!link_.IsBound())
        return;
    link_.CloseFeatureInterface();
    link_.CloseReportInterface();
    link_.StopNotifications();
}

ConnectionChange DeviceConnection::OnConnectionEvent(uint16_t value) {
    if (!link_.IsBound())
        return ConnectionChange::None;
    if (value == kConnectionArrived)
        return Arrive();
    if (value == kConnectionRemoved)
        return Remove();
    return ConnectionChange::None;
}

ConnectionChange DeviceConnection::Arrive() {
    if (State() == ConnectionState::Present)
        return ConnectionChange::None;
    WaitUntil(clock_, clock_.Now() + kArrivalSettleTime);
    state_ = ConnectionState::Present;
    link_.OpenFeatureInterface();
    link_.OpenReportInterface();
    return ConnectionChange::Arrived;
}

ConnectionChange DeviceConnection::Remove() {
    if (State() == ConnectionState::Removed)
        return ConnectionChange::None;
    state_ = ConnectionState::Removed;
    link_.CloseFeatureInterface();
    link_.CloseReportInterface();
    return ConnectionChange::Removed;
}

} // namespace mervik
