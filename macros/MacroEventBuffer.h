#pragma once
// The steps of the macro being edited on the macro page: what the recorder
// fills and the event menu changes, written back into the macro's record.
#include "macros/MacroRecord.h"

namespace mervik {

struct MacroEventBuffer {
    MacroEvent events[kMaxMacroEvents]{};
    int count = 0;
    // Where the next step goes: -1 appends, otherwise the index to insert at.
    int insertIndex = -1;
    // The step the event list scrolls to.
    int highlighted = -1;

    bool Full() const { return count >= kMaxMacroEvents; }

    // Takes the record's steps (all 50 slots, as the record keeps them) and
    // highlights the last one. Without a record the buffer is empty.
    void Load(const MacroRecord* record);
    // Writes the steps and their count into `record`.
    void Store(MacroRecord& record) const;
    // Empties the buffer for a recording that replaces every step.
    void Clear();

    // Inserts at the insert index (or appends), moving later steps up; a
    // non-negative insert index then moves past the new step, so steps
    // inserted one after another stay in order. False when the buffer is full.
    bool Insert(const MacroEvent& event);
};

} // namespace mervik
