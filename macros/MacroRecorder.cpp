#include "macros/MacroRecorder.h"

#include <algorithm>

#include "settings/KeyTable.h"

namespace mervik {

void MacroRecorder::Start() {
    recording_ = true;
    firstTaken_ = false;
}

void MacroRecorder::Stop() {
    recording_ = false;
    history_.lastTakenTick = 0;
}

void MacroRecorder::StorePause(MacroEventBuffer& buffer, uint32_t now) const {
    // Unsigned difference: right across the tick count's wrap after 49 days.
    const uint32_t pause = std::min(now - history_.lastTakenTick, kMaxMacroPauseMs);
    const int earlier = buffer.insertIndex < 0 ? buffer.count - 1 : buffer.insertIndex - 1;
    if (earlier >= 0 && earlier < buffer.count)
        buffer.events[earlier].delay = static_cast<uint16_t>(pause);
}

KeyOutcome MacroRecorder::TakeKey(MacroEventBuffer& buffer, int virtualKey, bool up, uint32_t now) {
    if (virtualKey == kStopRecordingKey)
        return up ? KeyOutcome::Ignored : KeyOutcome::StopAsked;
    // A held key repeats its press; only the first one counts.
    if (virtualKey == history_.lastKey && up == history_.lastUp)
        return KeyOutcome::Ignored;
    uint8_t usage = 0;
    if (!UsageOfKey(virtualKey, usage))
        return KeyOutcome::Ignored; // never an undefined code in a macro
    if (firstTaken_ && recordDelays)
        StorePause(buffer, now);
    buffer.Insert(MacroEvent{usage, up ? MacroRelease : MacroPress, 0});
    history_.lastTakenTick = now;
    history_.lastKey = virtualKey;
    history_.lastUp = up;
    firstTaken_ = true;
    return buffer.Full() ? KeyOutcome::Filled : KeyOutcome::Taken;
}

} // namespace mervik
