#pragma once
// The service's connection to the mouse: the open and close sequences and the
// state that arrival and removal move. One thread at a time uses it (in
// Monitor, the device worker while it runs), so a request and its answer, or
// an announcement and its blocks, always stay together; the state may be read
// from anywhere.
#include <atomic>
#include <cstdint>
#include <optional>

#include "device/Clock.h"
#include "device/DeviceLink.h"

namespace mervik {

enum class ConnectionState : int32_t {
    Absent = 0,  // not found since start-up
    Present = 1, // the only state in which device traffic happens
    Removed = 2,
};

enum class ConnectionChange {
    None,    // a repeat, an unknown value, or no library
    Arrived, // the caller reads the level back, adds the icon, writes Device=1
    Removed, // the caller removes the icon, writes Device=0, closes Option
};

// The mouse may need a moment after it appears before it takes reports.
inline constexpr auto kArrivalSettleTime = std::chrono::milliseconds(1000);

// The device event the service forms from a change message: arrival for 1,
// removal for 0, nothing for any other wParam.
std::optional<uint32_t> ConnectionEventOfChange(uintptr_t wParam);

class DeviceConnection {
public:
    DeviceConnection(DeviceLink& link, Clock& clock) : link_(link), clock_(clock) {}
    DeviceConnection(const DeviceConnection&) = delete;
    DeviceConnection& operator=(const DeviceConnection&) = delete;

    // Start-up: select the mouse, start notifications, open both interfaces.
    // True, and Present, when the report interface opened.
    bool Open();
    // Shutdown: close both interfaces and stop the notifications.
    void Close();

    // A connection event's value (1 arrived, 2 removed) moves the state; a
    // repeat of the current state is ignored. Arrival waits for the mouse to
    // settle before it reopens the interfaces; removal keeps the notifications
    // running so a later arrival is still reported.
    ConnectionChange OnConnectionEvent(uint16_t value);

    ConnectionState State() const { return state_.load(); }
    bool IsPresent() const { return State() == ConnectionState::Present; }

    DeviceLink& Link() { return link_; }
    Clock& GetClock() { return clock_; }

private:
    ConnectionChange Arrive();
    ConnectionChange Remove();

    DeviceLink& link_;
    Clock& clock_;
    std::atomic<ConnectionState> state_{ConnectionState::Absent};
};

} // namespace mervik
