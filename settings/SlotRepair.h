#pragma once
// A button slot read from a file is outside data: these make it safe for
// everything downstream (labels, encoder, editors) without guessing at what
// the user meant.
#include "settings/ButtonAssignment.h"

namespace mervik {

// The slot as the defaults give it: its number, the default function of its
// position, every other byte zero.
void ResetSlot(ButtonAssignment& slot, int n);

// Keeps the slot's content but bounds what could overrun: `Slot` becomes `n`,
// `EventCount` at most 50, `MacroName` and `ProgramPath` end with a NUL
// within their fields.
void MakeSlotSafe(ButtonAssignment& slot, int n);

} // namespace mervik
