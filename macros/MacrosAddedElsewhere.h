#pragma once
// Option keeps its macro list from start to close and saves it whole, while
// another program (mervikctl's import) may add macros to the file meanwhile.
// Saved as it is, the list would drop them, and the imported profile's
// buttons would lose their macros at the next sync.
#include <string>

#include "macros/MacroList.h"

namespace mervik {

// Appends to `list` each macro of the file whose name the list has never held
// (MacroList::HasHeld): another program's additions. A macro the user deleted
// or renamed here was held, so it does not come back. Returns how many were
// taken; none when the file cannot be read. `path` is the macro file the
// list is saved to (MacroSource::savePath).
int AdoptMacrosAddedElsewhere(const std::string& path, MacroList& list);

} // namespace mervik
