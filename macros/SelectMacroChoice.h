#pragma once
// What the select-macro dialog decides, apart from its window: where it
// starts for a button, what choosing a macro fills in, and what OK does to the
// button. The scratch entry lives as long as the program (SelectMacroScratch)
// and carries the name last shown from one opening to the next.
#include <string>

#include "macros/MacroList.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

ButtonAssignment& SelectMacroScratch();

struct SelectMacroState {
    int runMode = 0;
    int chosen = -1; // index in the macro list, -1 for none
};

// Brings every button's macro copy in line with the list, then starts from
// slot `slot` of `profile`: its macro (when the list still has it) and its
// run mode. A button with a macro is copied into the scratch entry.
SelectMacroState BeginSelectMacro(const MacroList& list, SharedSettingsBlock& image,
                                  ProfileRecord& profile, int slot, ButtonAssignment& scratch);

// The name the dialog shows: the scratch entry's, when it holds a macro.
std::string ShownMacroName(const ButtonAssignment& scratch);

// Choosing macro `index` from the menu; false for an index the list lacks.
bool ChooseMacro(const MacroList& list, int index, SelectMacroState& state,
                 ButtonAssignment& scratch);

// OK: the run mode is stored; the chosen macro becomes the button's, or,
// without one, the button falls back to its default function.
void FinishSelectMacro(const MacroList& list, const SelectMacroState& state, ProfileRecord& profile,
                       int slot);

} // namespace mervik
