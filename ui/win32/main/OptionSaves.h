#pragma once
// What Option writes, and how it tells the user what could not be written:
// each write names its failure by the number of its text in lan.dll, and the
// window shows one message a failure.
#include <windows.h>

#include <string>
#include <vector>

#include "macros/MacroList.h"
#include "settings/RegistryStore.h"
#include "settings/SharedSettingsBlock.h"
#include "win32/SharedBlockLinkWin32.h"

namespace mervik::ui {

using FailureTexts = std::vector<unsigned>;

// Apply: the pointer settings and the files, then Monitor's block. Without a
// block (Monitor not running) there is nothing to hand over, which is no
// failure.
FailureTexts SaveApplied(const SharedSettingsBlock& image, const std::string& programFolder,
                         RegistryStore& registry, win::SharedBlockLink& link);

// The macro list, to the file it was loaded from (LoadOptionMacros), with the
// macros another program added to that file since (AdoptMacrosAddedElsewhere).
// With no file that may be written, macros the user made are a failure too.
FailureTexts SaveMacros(const std::string& path, MacroList& list);

// One warning box a failure, its text from lan.dll, over `owner` (may be null).
void ShowFailures(HWND owner, const FailureTexts& texts);

} // namespace mervik::ui
