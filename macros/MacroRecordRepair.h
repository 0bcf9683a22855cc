#pragma once
// The macro file is outside data: a record read from it is brought within the
// bounds the editor, the sync and the device encoding rely on before it joins
// the list.
#include "macros/MacroRecord.h"

namespace mervik {

// Cuts a name longer than the editor's 15 characters (or without terminator)
// to 15 and clears the rest of its field, and limits the repeat count to
// 0..255 and the event count to 0..50. A record whose used events hold an
// action other than press or release cannot be repaired without guessing what
// it should play: the result is false and the caller drops it.
bool RepairLoadedMacro(MacroRecord& record);

} // namespace mervik
