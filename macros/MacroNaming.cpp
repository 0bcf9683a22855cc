#include "macros/MacroNaming.h"

#include "macros/MacroName.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileIdentity.h"
#include "settings/TextField.h"

namespace mervik {

MacroNameFault CheckMacroName(const MacroList& list, int index, std::string_view typed) {
    const std::string name = StoredMacroName(typed);
    const std::string trimmed = TrimmedMacroName(name);
    if (trimmed.empty())
        return MacroNameFault::Empty;
    if (HoldsControlCharacter(name))
        return MacroNameFault::ControlCharacter;
    for (int i = 0; i < list.Count(); ++i) {
        if (i != index && SameMacroName(TrimmedMacroName(*list.RecordAt(i)), trimmed))
            return MacroNameFault::Taken;
    }
    return MacroNameFault::None;
}

bool AcceptableMacroName(const MacroList& list, int index, std::string_view name) {
    return CheckMacroName(list, index, name) == MacroNameFault::None;
}

int InitialMacroRow(const MacroList& list, const ButtonAssignment& scratch) {
    if (list.Empty())
        return -1;
    const std::string wanted = TrimmedMacroName(TextOfField(scratch.MacroName));
    if (scratch.Function != fn::Macro || wanted.empty())
        return 0;
    for (int step = 1; step <= list.Count(); ++step) {
        const int i = step % list.Count();
        const std::string name = TrimmedMacroName(*list.RecordAt(i));
        if (name.size() >= wanted.size() &&
            SameMacroName(std::string_view(name).substr(0, wanted.size()), wanted))
            return i;
    }
    return 0;
}

bool RenameMacro(MacroList& list, int index, std::string_view name, SharedSettingsBlock& image) {
    MacroRecord* record = list.RecordAt(index);
    if (!record || !AcceptableMacroName(list, index, name))
        return false;
    const std::string oldName = TrimmedMacroName(*record);
    SetTextField(record->Name, StoredMacroName(name));
    for (ProfileRecord& profile : image.Profiles) {
        for (ButtonAssignment& button : profile.Buttons) {
            if (button.Function != fn::Macro)
                continue;
            const std::string held = TrimmedMacroName(TextOfField(button.MacroName));
            if (!held.empty() && SameMacroName(held, oldName))
                SetTextField(button.MacroName, TextOfField(record->Name));
        }
    }
    return true;
}

} // namespace mervik
