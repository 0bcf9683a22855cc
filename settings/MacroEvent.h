#pragma once
// One step of a macro: a key (HID keyboard usage) or mouse button code 240..244,
// pressed or released, followed by a pause. Stored unchanged in macro records,
// in button assignments and in the mouse's sequence banks.
#include <cstddef>
#include <cstdint>

namespace mervik {

enum MacroAction : uint8_t {
    MacroPress = 1,
    MacroRelease = 2,
};

struct MacroEvent {
    uint8_t code;   // HID keyboard usage, or a mouse button code
    uint8_t action; // MacroPress or MacroRelease
    uint16_t delay; // pause after the step in milliseconds, 0 = none
};
static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, delay) == 2);

constexpr int kMaxMacroEvents = 50;

constexpr bool IsMouseButtonCode(int code) {
    return code >= 240 && code <= 244;
}

} // namespace mervik
