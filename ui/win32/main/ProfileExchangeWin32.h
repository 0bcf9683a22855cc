#pragma once
// Option's Export and Import of the chosen profile, and the backup its reset
// makes first. Each asks through the system's dialogs and tells a failure
// with a text of lan.dll; nothing is changed before the user confirms.
#include <windows.h>

#include <string>

#include "macros/MacroList.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik::ui {

// Writes profile `index` of `working` (as shown, edits included) to a file
// the user chooses.
void ExportProfile(HWND owner, const SharedSettingsBlock& working, int index);

// Reads a file the user chooses, checks it and, after the user confirms,
// puts it into `working` as profile `index` and its new macros into
// `macros`. True when it did; Apply saves and sends it.
bool ImportProfile(HWND owner, SharedSettingsBlock& working, int index, MacroList& macros,
                   bool macrosSavable);

// The backup of every file of `programFolder` in its backups folder. False,
// told, when it could not be made: the reset must not go on then.
bool BackUpBeforeReset(HWND owner, const std::string& programFolder);

} // namespace mervik::ui
