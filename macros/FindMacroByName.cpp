#include "macros/FindMacroByName.h"

#include <cstring>

#include "macros/MacroName.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

bool SameContent(const MacroRecord& record, const ButtonAssignment& button) {
    // A count outside the record's bounds cannot match a copy made from it.
    if (record.EventCount != UsedEventCount(record) || record.EventCount != button.EventCount)
        return false;
    return std::memcmp(record.Events, button.Events, record.EventCount * sizeof(MacroEvent)) == 0;
}

} // namespace

std::optional<MacroMatch> FindMacroByName(const MacroList& list, const ButtonAssignment& button) {
    // Both sides trimmed: a name typed with blanks around it keeps its buttons.
    const std::string wanted = TrimmedMacroName(TextOfField(button.MacroName));
    for (int i = 0; i < list.Count(); ++i) {
        const MacroRecord& record = *list.RecordAt(i);
        if (SameMacroName(TrimmedMacroName(record), wanted))
            return MacroMatch{i, SameContent(record, button)};
    }
    return std::nullopt;
}

} // namespace mervik
