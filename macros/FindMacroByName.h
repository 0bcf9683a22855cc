#pragma once
// Which macro of the list a button's macro copy came from, so dialogs can
// preselect it and the sync can refresh the copy.
#include <optional>

#include "macros/MacroList.h"
#include "settings/ButtonAssignment.h"

namespace mervik {

struct MacroMatch {
    int index;        // position in the list
    bool sameContent; // event count and the used events equal the button's copy
};

// The first macro whose trimmed name equals the button's trimmed macro name as
// SameMacroName compares them; nothing when no name matches.
std::optional<MacroMatch> FindMacroByName(const MacroList& list, const ButtonAssignment& button);

} // namespace mervik
