#include "macros/MacroRecordRepair.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace mervik {

namespace {

bool IsKnownAction(uint8_t action) {
    return action == MacroPress || action == MacroRelease;
}

void CutName(MacroRecord& record, LoadNotes& notes) {
    if (std::memchr(record.Name, 0, kMaxMacroNameLength + 1))
        return;
    std::memset(record.Name + kMaxMacroNameLength, 0, kMacroRecordNameSize - kMaxMacroNameLength);
    notes.push_back("name cut to " + std::to_string(kMaxMacroNameLength) + " characters");
}

void Limit(int32_t& value, int32_t highest, const char* what, LoadNotes& notes) {
    const int32_t limited = std::clamp(value, 0, highest);
    if (limited == value)
        return;
    notes.push_back(std::string(what) + " " + std::to_string(value) + " limited to " +
                    std::to_string(limited));
    value = limited;
}

void EndAtUnknownAction(MacroRecord& record, LoadNotes& notes) {
    const MacroEvent* begin = record.Events;
    const MacroEvent* end = begin + record.EventCount;
    const MacroEvent* bad =
        std::find_if_not(begin, end, [](const MacroEvent& e) { return IsKnownAction(e.action); });
    if (bad == end)
        return;
    record.EventCount = static_cast<int32_t>(bad - begin);
    notes.push_back("cut to its first " + std::to_string(record.EventCount) + " steps: step " +
                    std::to_string(record.EventCount + 1) + " has action " +
                    std::to_string(bad->action) + ", neither press nor release");
}

} // namespace

LoadNotes RepairLoadedMacro(MacroRecord& record) {
    LoadNotes notes;
    CutName(record, notes);
    Limit(record.RepeatCount, kMaxMacroRepeat, "repeat count", notes);
    Limit(record.EventCount, kMaxMacroEvents, "event count", notes);
    EndAtUnknownAction(record, notes);
    return notes;
}

} // namespace mervik
