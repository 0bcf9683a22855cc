#include "macros/MacroEventBuffer.h"

#include <algorithm>
#include <cstring>

namespace mervik {

void MacroEventBuffer::Load(const MacroRecord* record) {
    if (record) {
        std::memcpy(events, record->Events, sizeof events);
        count = UsedEventCount(*record);
    } else {
        Clear();
    }
    insertIndex = -1;
    highlighted = count - 1;
}

void MacroEventBuffer::Store(MacroRecord& record) const {
    std::memcpy(record.Events, events, sizeof events);
    record.EventCount = count;
}

void MacroEventBuffer::Clear() {
    std::memset(events, 0, sizeof events);
    count = 0;
    insertIndex = -1;
    highlighted = -1;
}

bool MacroEventBuffer::Insert(const MacroEvent& event) {
    if (Full())
        return false;
    // An index left over from a longer macro appends.
    const int at = insertIndex < 0 ? count : std::min(insertIndex, count);
    std::move_backward(events + at, events + count, events + count + 1);
    events[at] = event;
    ++count;
    if (insertIndex >= 0)
        insertIndex = at + 1;
    highlighted = at;
    return true;
}

} // namespace mervik
