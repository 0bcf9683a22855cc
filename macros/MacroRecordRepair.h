#pragma once
// The macro file is outside data: a record read from it is brought within the
// bounds the editor, the sync and the device encoding rely on before it joins
// the list.
#include "macros/MacroRecord.h"
#include "settings/LoadNotes.h"

namespace mervik {

// Cuts a name longer than the editor's 15 characters (or without terminator)
// to 15 and clears the rest of its field, and limits the repeat count to
// 0..255 and the event count to 0..50. A used step whose action is neither
// press nor release ends the macro: the steps before it are kept, since
// nothing says what the bad one and those after it should play. Returns what
// was changed, one note a change; none for a sound record.
LoadNotes RepairLoadedMacro(MacroRecord& record);

} // namespace mervik
