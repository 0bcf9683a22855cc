#pragma once
// What every macro the loader lets into the list keeps to, whatever the file
// held: shared by the bounded random test and the libFuzzer target.
#include <cstring>
#include <string>

#include "macros/MacroRecord.h"

namespace mervik::test {

// Empty when `record` is within the bounds, else what is not.
inline std::string MacroBoundsError(const MacroRecord& record) {
    if (!std::memchr(record.Name, 0, kMaxMacroNameLength + 1))
        return "name longer than " + std::to_string(kMaxMacroNameLength);
    if (record.RepeatCount < 0 || record.RepeatCount > kMaxMacroRepeat)
        return "repeat count " + std::to_string(record.RepeatCount);
    if (record.EventCount < 0 || record.EventCount > kMaxMacroEvents)
        return "event count " + std::to_string(record.EventCount);
    for (int i = 0; i < record.EventCount; ++i)
        if (record.Events[i].action != MacroPress && record.Events[i].action != MacroRelease)
            return "step " + std::to_string(i) + " has action " +
                   std::to_string(record.Events[i].action);
    return {};
}

} // namespace mervik::test
