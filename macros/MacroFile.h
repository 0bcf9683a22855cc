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

// The same for the macro file at `path`.
MacroFileRead LoadMacroFile(const std::string& path, MacroList& list, LoadNotes* notes = nullptr,
                            SharedSettingsBlock* buttons = nullptr);
bool SaveMacroFile(const std::string& path, const MacroList& list);

// Where Option keeps its macros while config\sequence.dat cannot be read:
// config\sequence-kept.dat beside it. The unreadable file is left as it is
// (the user may restore it), and what the user makes meanwhile is not lost.
std::string KeptMacroFilePath(const std::string& programFolder);

struct MacroSource {
    MacroFileRead macroFile = MacroFileRead::Read; // how config\sequence.dat read
    std::string savePath; // where the list is saved; empty when no file may be written
};

// Option's list: the macro file, or, while that cannot be read, the kept
// file (nothing when that is missing too). When the kept file cannot be read
// either, the list is empty and nothing is ever saved.
MacroSource LoadOptionMacros(const std::string& programFolder, MacroList& list,
                             LoadNotes* notes = nullptr, SharedSettingsBlock* buttons = nullptr);

} // namespace mervik
