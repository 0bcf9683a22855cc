#include "macros/MacroRecordRepair.h"

#include <algorithm>
#include <cstring>

namespace mervik {

namespace {

void CutName(MacroRecord& record) {
    const void* end = std::memchr(record.Name, 0, kMaxMacroNameLength + 1);
    if (!end)
        std::memset(record.Name + kMaxMacroNameLength, 0,
                    kMacroRecordNameSize - kMaxMacroNameLength);
}

bool IsKnownAction(uint8_t action) {
    return action == MacroPress || action == MacroRelease;
}

} // namespace

bool RepairLoadedMacro(MacroRecord& record) {
    CutName(record);
    record.RepeatCount = std::clamp(record.RepeatCount, 0, kMaxMacroRepeat);
    record.EventCount = UsedEventCount(record);
    return std::all_of(record.Events, record.Events + record.EventCount,
                       [](const MacroEvent& e) { return IsKnownAction(e.action); });
}

} // namespace mervik
