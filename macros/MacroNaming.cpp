#include "macros/MacroNaming.h"

#include "macros/MacroName.h"
#include "settings/FunctionCodes.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

// The same trim TrimmedMacroName applies to a record, for any text.
std::string Trimmed(std::string_view name) {
    constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
    const size_t first = name.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    return std::string(name.substr(first, name.find_last_not_of(kWhiteSpace) - first + 1));
}

} // namespace

bool AcceptableMacroName(const MacroList& list, int index, std::string_view name) {
    const std::string trimmed = Trimmed(name);
    if (trimmed.empty())
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
            const std::string held = Trimmed(TextOfField(button.MacroName));
            if (!held.empty() && SameMacroName(held, oldName))
                SetTextField(button.MacroName, TextOfField(record->Name));
        }
    }
    return true;
}

} // namespace mervik
