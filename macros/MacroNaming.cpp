#include "macros/MacroNaming.h"

#include "macros/MacroName.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileIdentity.h"
#include "settings/TextField.h"

namespace mervik {

bool AcceptableMacroName(const MacroList& list, int index, std::string_view name) {
    const std::string trimmed = TrimmedMacroName(name);
    if (trimmed.empty() || HoldsControlCharacter(name))
        return false;
    for (int i = 0; i < list.Count(); ++i) {
        if (i != index && SameMacroName(TrimmedMacroName(*list.RecordAt(i)), trimmed))
            return false;
    }
    return true;
}

int InitialMacroRow(const MacroList& list, const ButtonAssignment& scratch) {
    if (list.Empty())
        return -1;
    const std::string wanted = TextOfField(scratch.MacroName);
    if (scratch.Function != fn::Macro || wanted.empty())
        return 0;
    for (int step = 1; step <= list.Count(); ++step) {
        const int i = step % list.Count();
        const std::string name = TextOfField(list.RecordAt(i)->Name);
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
    SetTextField(record->Name, name.substr(0, kMaxMacroNameLength));
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
