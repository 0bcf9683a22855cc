#pragma once
// What Option writes, and how it tells the user what could not be written:
// each write names its failure by the number of its text in lan.dll, and the
// window shows one message a failure.
#include <windows.h>

#include <string>
#include <vector>

#include "macros/MacroList.h"
#include "settings/OsdSettings.h"
#include "settings/RegistryStore.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik::ui {

using FailureTexts = std::vector<unsigned>;

// Apply's files: the pointer settings, config.ini and the profiles, then the
// macro list to `macroPath` (SaveMacros), all under
// one hold of the save lock. When another program keeps that lock, nothing is
// saved, and the one failure says so. Monitor's block is BlockHandOver's.
FailureTexts SaveAppliedFiles(const SharedSettingsBlock& image, const std::string& programFolder,
                              RegistryStore& registry, MacroList& list,
                              const std::string& macroPath);

// The macro list, to the file it was loaded from (LoadOptionMacros), with the
// macros another program added to that file since (AdoptMacrosAddedElsewhere).
// With no file that may be written, macros the user made are a failure too.
FailureTexts SaveMacros(const std::string& path, MacroList& list);

// The on-screen display's record: the file's, or the defaults the display
// writes when the file has none.
OsdSettings LoadDisplayRecord(const std::string& programFolder);
// Writes `record` when it differs from `saved`, which then follows it. A
// record the user did not change is left to the display.
FailureTexts SaveDisplayRecord(const std::string& programFolder, const OsdSettings& record,
                               OsdSettings& saved);

// One warning box a failure, its text from lan.dll, over `owner` (may be null).
void ShowFailures(HWND owner, const FailureTexts& texts);

} // namespace mervik::ui
