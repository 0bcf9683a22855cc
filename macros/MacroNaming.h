#pragma once
// The rules for a name typed for a new macro or over an existing one, and the
// rename that keeps the buttons holding a macro attached to it.
#include <string_view>

#include "macros/MacroList.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

// Whether `name` may name the macro at `index` (-1 for a new one), judged on
// what the record would store of it (StoredMacroName): not empty
// once white space is trimmed, without a tab or another control character
// (the rule of profile names, HoldsControlCharacter), and no other macro has
// the same trimmed name ignoring case. Buttons find their macro by the trimmed name, so two names
// equal after trimming would leave one macro unreachable.
bool AcceptableMacroName(const MacroList& list, int index, std::string_view name);

// Why AcceptableMacroName refuses a name, so the refusal can say it.
enum class MacroNameFault { None, Empty, ControlCharacter, Taken };
MacroNameFault CheckMacroName(const MacroList& list, int index, std::string_view name);

// The macro the page selects when it fills its list: the first whose name
// begins with the name of `scratch` (the select-macro dialog's last button)
// ignoring case and the blanks around both names, searched from the second macro on and then the
// first; without such a macro, or when `scratch` holds no macro, the first. -1 for an empty list.
int InitialMacroRow(const MacroList& list, const ButtonAssignment& scratch);

// Renames the macro at `index` and every button copy of it, in all slots of
// all profiles, so that no button loses its macro. False, changing nothing,
// when the index is out of range or the name is not acceptable.
bool RenameMacro(MacroList& list, int index, std::string_view name, SharedSettingsBlock& image);

} // namespace mervik
