#pragma once
// What one button slot of a profile does. The 504 bytes cross process
// boundaries and are stored as they are in the profile files, so the layout is
// a file format.
#include "settings/MacroEvent.h"

namespace mervik {

// KeyModifiers bits of a code-5 (key) slot.
enum KeyModifierBits : uint8_t {
    ModNone = 0x01, // set: the other bits are ignored
    ModShift = 0x02,
    ModCtrl = 0x04,
    ModAlt = 0x08,
    ModWin = 0x10,
};

constexpr int kMacroNameFieldSize = 20;
constexpr int kProgramPathFieldSize = 262;

struct ButtonAssignment {
    uint8_t Slot;     // the slot's own number, 0..63
    uint8_t Function; // function code (FunctionCodes.h)
    uint8_t reserved[2];
    int32_t FireCount;    // fire: repetitions 0..255
    int32_t FireInterval; // fire: interval 5..255
    int32_t RunMode;      // macro: run mode 0..2
    char MacroName[kMacroNameFieldSize];
    int32_t MacroRepeat;
    uint16_t EventCount;                // macro: events 0..50; key and fire: 1 when a key is set
    MacroEvent Events[kMaxMacroEvents]; // key and fire: byte 0 usage, byte 1 modifiers
    char ProgramPath[kProgramPathFieldSize];

    // Key and fire slots keep their key in the first two event bytes.
    uint8_t KeyUsage() const { return Events[0].code; }
    uint8_t KeyModifiers() const { return Events[0].action; }
    void SetKey(uint8_t usage, uint8_t modifiers) {
        Events[0].code = usage;
        Events[0].action = modifiers;
    }
};

static_assert(sizeof(ButtonAssignment) == 504);
static_assert(offsetof(ButtonAssignment, Function) == 1);
static_assert(offsetof(ButtonAssignment, FireCount) == 4);
static_assert(offsetof(ButtonAssignment, FireInterval) == 8);
static_assert(offsetof(ButtonAssignment, RunMode) == 12);
static_assert(offsetof(ButtonAssignment, MacroName) == 16);
static_assert(offsetof(ButtonAssignment, MacroRepeat) == 36);
static_assert(offsetof(ButtonAssignment, EventCount) == 40);
static_assert(offsetof(ButtonAssignment, Events) == 42);
static_assert(offsetof(ButtonAssignment, ProgramPath) == 242);

} // namespace mervik
