#pragma once
// The two window messages the HID library posts to the service, and the device
// event the service forms from the change message.
#include <cstdint>

namespace mervik {

// Posted by hiddriver.dll to the window given to Open_DevMonitor.
inline constexpr unsigned kMsgDeviceEvent = 1325;  // wParam event class, lParam event value
inline constexpr unsigned kMsgDeviceChange = 1326; // wParam kChangeArrived or kChangeRemoved

inline constexpr uintptr_t kChangeRemoved = 0;
inline constexpr uintptr_t kChangeArrived = 1;

// A device event: class in the high 16 bits, value in the low 16 bits.
inline constexpr uint16_t kEventClassConnection = 0x7F00;
inline constexpr uint16_t kConnectionArrived = 1;
inline constexpr uint16_t kConnectionRemoved = 2;
// The mouse's own buttons: classes are matched by their high byte.
inline constexpr uint8_t kEventGroupDpiLevel = 0x07;   // value: level 1..6
inline constexpr uint8_t kEventGroupReportRate = 0x05; // value: interval 1..8 ms

constexpr uint32_t MakeDeviceEvent(uint16_t eventClass, uint16_t value) {
    return static_cast<uint32_t>(eventClass) << 16 | value;
}

} // namespace mervik
