#include "macros/MacroRecord.h"

#include <algorithm>
#include <cstring>

#include "macros/MacroName.h"
#include "settings/TextField.h"

namespace mervik {

MacroRecord NewMacroRecord(std::string_view name) {
    MacroRecord record;
    std::memset(&record, 0, sizeof record);
    SetTextField(record.Name, StoredMacroName(name));
    return record;
}

int UsedEventCount(const MacroRecord& record) {
    return std::clamp<int>(record.EventCount, 0, kMaxMacroEvents);
}

} // namespace mervik
