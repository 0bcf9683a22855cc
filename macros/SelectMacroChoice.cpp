#include "macros/SelectMacroChoice.h"

#include <algorithm>

#include "macros/FindMacroByName.h"
#include "macros/MacroButtonCopy.h"
#include "macros/SyncMacroButtons.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"

namespace mervik {

ButtonAssignment& SelectMacroScratch() {
    static ButtonAssignment scratch{};
    return scratch;
}

SelectMacroState BeginSelectMacro(const MacroList& list, SharedSettingsBlock& image,
                                  ProfileRecord& profile, int slot, ButtonAssignment& scratch) {
    SyncMacroButtons(list, image);
    SelectMacroState state;
    if (slot < 0 || slot >= kSlotCount)
        return state;
    const ButtonAssignment& entry = profile.Buttons[slot];
    state.runMode = std::clamp<int32_t>(entry.RunMode, 0, 2);
    if (entry.Function == fn::Macro) {
        scratch = entry;
        if (const auto match = FindMacroByName(list, entry))
            state.chosen = match->index;
    }
    return state;
}

std::string ShownMacroName(const ButtonAssignment& scratch) {
    return scratch.Function == fn::Macro ? TextOfField(scratch.MacroName) : std::string();
}

bool ChooseMacro(const MacroList& list, int index, SelectMacroState& state,
                 ButtonAssignment& scratch) {
    const MacroRecord* record = list.RecordAt(index);
    if (!record)
        return false;
    state.chosen = index;
    CopyMacroIntoButton(*record, scratch);
    return true;
}

void FinishSelectMacro(const MacroList& list, const SelectMacroState& state, ProfileRecord& profile,
                       int slot) {
    if (slot < 0 || slot >= kSlotCount)
        return;
    const MacroRecord* record = list.RecordAt(state.chosen);
    if (record) {
        AssignFunction(profile, slot, MacroFunctionChoice(*record, state.runMode));
    } else {
        FunctionChoice none;
        none.code = fn::Macro; // without a macro: the slot's default
        AssignFunction(profile, slot, none);
    }
    profile.Buttons[slot].RunMode = state.runMode;
}

} // namespace mervik
