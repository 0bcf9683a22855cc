#pragma once
// The macro file, config\sequence.dat in the program folder: section "Macros"
// with the count under "number" and each macro, in list order, under its
// index as a structure value.
#include <string>

#include "macros/MacroList.h"
#include "settings/LoadNotes.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

std::string MacroFilePath(const std::string& programFolder);

enum class MacroFileRead {
    Read,       // the list holds what the file holds (nothing for a missing file)
    Unreadable, // the file exists but could not be read, or is refused as far
                // too large (FileLimits.h): the list is empty and saving it
                // would replace the user's macros with nothing
};

// Replaces the content of `list` with the macros of the file. Records that
// are missing or damaged are skipped; the others are repaired to the bounds
// the rest of the suite relies on (RepairLoadedMacro), and names that differ
// from an earlier one's only in case or blanks are made unique, together
// with the buttons of `buttons` that play them (RepairDuplicateMacroNames).
// A file counting more than kMaxMacroCount macros gives the first that many.
// With `notes`, every repair, skip and cut is added there. After a cut or a
// rename the list keeps its file as it is until it changes
// (MacroList::KeepFileWhileUnchanged).
MacroFileRead LoadMacroList(const std::string& programFolder, MacroList& list,
                            LoadNotes* notes = nullptr, SharedSettingsBlock* buttons = nullptr);

// Rewrites the file from `list` in one step: the old file stays whole until
// the new one replaces it, and no key of a longer old list survives. Creates
// the config folder when it is missing. A list unchanged since it kept its
// file writes nothing and succeeds. False when the file was not written.
bool SaveMacroList(const std::string& programFolder, const MacroList& list);

} // namespace mervik
