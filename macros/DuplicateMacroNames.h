#pragma once
// Macros are found by name, ignoring case and the blanks around it
// (SameMacroName). Of two macros in a file whose names differ only so, the
// later could never be chosen: renaming either renamed the buttons of both,
// and a button of one took the other's steps at the next sync. Loading keeps
// the first and renames each later one where the user sees it.
#include <string>
#include <unordered_set>

#include "macros/MacroList.h"
#include "settings/LoadNotes.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

// The first "NAME (2)", "NAME (3)", ... whose MacroNameKey is not in `taken`,
// NAME cut so that it fits the editor's 15 characters.
std::string UnusedMacroName(const std::string& name, const std::unordered_set<std::string>& taken);

// Renames every macro whose trimmed name SameMacroName finds equal to an
// earlier one's to "NAME (2)", "NAME (3)", ..., the first that no macro of
// the list is called, NAME cut so that it fits the editor's 15 characters.
// With `image`, the macro buttons of every profile that hold exactly the old
// name (and not the first macro's) take the new one. Macros without a name
// are left alone: no button plays them. One note a rename.
LoadNotes RepairDuplicateMacroNames(MacroList& list, SharedSettingsBlock* image);

} // namespace mervik
