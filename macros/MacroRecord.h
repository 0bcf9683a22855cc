#pragma once
// One macro as the macro list keeps it and the macro file stores it. The 260
// bytes are written to the file as they are, so the layout is a file format.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/MacroEvent.h"

namespace mervik {

constexpr int kMacroRecordNameSize = 52;
// The editor's name field holds this many characters.
constexpr int kMaxMacroNameLength = 15;
constexpr int kMaxMacroRepeat = 255;

struct MacroRecord {
    char Name[kMacroRecordNameSize];
    int32_t RepeatCount;                // plays of the whole sequence per start, 1..255 once edited
    int32_t EventCount;                 // valid entries of Events, 0..kMaxMacroEvents
    MacroEvent Events[kMaxMacroEvents]; // entries past EventCount may hold old steps
};

static_assert(sizeof(MacroRecord) == 260);
static_assert(offsetof(MacroRecord, Name) == 0);
static_assert(offsetof(MacroRecord, RepeatCount) == 52);
static_assert(offsetof(MacroRecord, EventCount) == 56);
static_assert(offsetof(MacroRecord, Events) == 60);

// A new macro: all zero but its name (cut to the editor's length).
MacroRecord NewMacroRecord(std::string_view name);

// EventCount limited to what the record holds, for code that must not trust it.
int UsedEventCount(const MacroRecord& record);

} // namespace mervik
