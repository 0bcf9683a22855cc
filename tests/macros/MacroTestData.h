#pragma once
// Macros for the tests: a named record with a press and release per code.
#include <initializer_list>
#include <string_view>

#include "macros/MacroRecord.h"

namespace mervik::test {

inline MacroRecord Macro(std::string_view name, std::initializer_list<uint8_t> codes,
                         int32_t repeat = 1, uint16_t delay = 0) {
    MacroRecord record = NewMacroRecord(name);
    record.RepeatCount = repeat;
    for (uint8_t code : codes) {
        record.Events[record.EventCount++] = {code, MacroPress, delay};
        record.Events[record.EventCount++] = {code, MacroRelease, delay};
    }
    return record;
}

} // namespace mervik::test
