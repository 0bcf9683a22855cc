#pragma once
// Brings the macro copies in the buttons of every profile in line with the
// macro list: after a macro is deleted, after a recording stops and before the
// select-macro dialog opens.
#include "macros/MacroList.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

// Only the first 16 slots of each profile are looked at. A button whose macro
// is gone loses its function (code 7); the others get the macro's current
// name, repeat count and events and keep their run mode.
void SyncMacroButtons(const MacroList& list, SharedSettingsBlock& image);

} // namespace mervik
