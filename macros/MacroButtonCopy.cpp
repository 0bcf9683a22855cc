#include "macros/MacroButtonCopy.h"

#include <cstring>

#include "settings/FunctionCodes.h"
#include "settings/TextField.h"

namespace mervik {

void CopyMacroIntoButton(const MacroRecord& record, ButtonAssignment& button) {
    SetTextField(button.MacroName, TextOfField(record.Name));
    button.MacroRepeat = record.RepeatCount;
    button.EventCount = static_cast<uint16_t>(UsedEventCount(record));
    static_assert(sizeof button.Events == sizeof record.Events);
    std::memcpy(button.Events, record.Events, sizeof button.Events);
}

FunctionChoice MacroFunctionChoice(const MacroRecord& record, int32_t runMode) {
    // AssignFunction reads the name up to its terminator; never let it run
    // past the field of a record that lost its terminator.
    const bool terminated = std::memchr(record.Name, 0, sizeof record.Name) != nullptr;
    FunctionChoice choice;
    choice.code = fn::Macro;
    choice.runMode = runMode;
    choice.macroName = terminated ? record.Name : "";
    choice.macroRepeat = record.RepeatCount;
    choice.macroEventCount = UsedEventCount(record);
    choice.macroEvents = record.Events;
    return choice;
}

} // namespace mervik
