#pragma once
// A button does not point at a macro of the list: it carries its own copy, so
// a profile keeps working without the macro file. These put a macro into one.
#include "macros/MacroRecord.h"
#include "settings/ButtonAssignment.h"
#include "settings/ProfileDefaults.h"

namespace mervik {

// Copies name, repeat count, event count and all 50 event slots of `record`
// into `button`; the run mode and the function code stay as they are.
void CopyMacroIntoButton(const MacroRecord& record, ButtonAssignment& button);

// The choice that assigns `record` to a slot with `runMode` through
// AssignFunction. The choice points into `record`, which must outlive it.
FunctionChoice MacroFunctionChoice(const MacroRecord& record, int32_t runMode);

} // namespace mervik
