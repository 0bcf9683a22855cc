#pragma once
// Turns captured keys into macro steps while a recording runs. Keys arrive as
// Windows virtual-key codes with their up flag; the steps store HID usages.
#include <cstdint>

#include "macros/MacroEventBuffer.h"

namespace mervik {

// What the recorder remembers from one recording to the next (one per
// process): the last key captured, so a key held across a stop and a new
// start is not taken twice, and the time of the last step taken.
struct CaptureHistory {
    int lastKey = 0;
    bool lastUp = false;
    uint32_t lastTakenTick = 0;
};

// Longest pause a step can hold.
constexpr uint32_t kMaxMacroPauseMs = 65535;

// The key that ends a recording from the keyboard (Pause): every other key
// is recorded, so a keyboard user needs one that is not. It is never taken as
// a step; the step menu can still insert it.
constexpr int kStopRecordingKey = 0x13;

enum class KeyOutcome {
    Ignored, // a repeat of the last key, or a key the key table does not know
    Taken,
    Filled,    // taken, and the buffer is now full: the recording must stop
    StopAsked, // the stop key pressed: the recording must stop, nothing taken
};

class MacroRecorder {
public:
    explicit MacroRecorder(CaptureHistory& history) : history_(history) {}

    bool Recording() const { return recording_; }
    bool recordDelays = false;

    void Start();
    void Stop();

    // One captured key at tick count `now` (milliseconds, wrapping). The
    // pause since the previous step taken in this recording goes into that
    // earlier step when pauses are recorded.
    KeyOutcome TakeKey(MacroEventBuffer& buffer, int virtualKey, bool up, uint32_t now);

private:
    void StorePause(MacroEventBuffer& buffer, uint32_t now) const;

    CaptureHistory& history_;
    bool recording_ = false;
    bool firstTaken_ = false;
};

} // namespace mervik
