#pragma once
// What the device worker hands back to the window's thread once the mouse has
// done its part. Each result is one posted message to the hidden window (the
// kind in wParam, the value in lParam), and the window's thread does the rest:
// the block, the files, Option, the tray.
#include <cstdint>

namespace mervik {

enum class WorkerResultKind : uint32_t {
    Connected = 1, // start-up's open is over; value 1 when the mouse is there
    Arrived,       // the mouse is back, its interfaces open
    Removed,       // the mouse is gone, its interfaces closed
    ReadBack,      // a read-back is over; value: the level to take (1 to 6), 0 for none
    ApplyDone,     // the upload an Apply waits for is over, or could not be sent
    // An upload's way. Started and Progress (value: percent) while it runs;
    // then one of Done (value: LevelWord of what it sent), Failed (value: a
    // NotSentReason) with the mouse still there, or Owed (the mouse is away).
    // An upload that hands over to a newer one ends with that one's result.
    UploadStarted,
    UploadProgress,
    UploadDone,
    UploadFailed,
    UploadOwed,
    LevelSent, // the active level alone was sent again; value: LevelWord
};

// The profile an upload or a level report was for and the active level (1 to
// 6) it put into the mouse.
struct LevelInMouse {
    int profile = -1;
    int level = 0;
};

inline int32_t LevelWord(const LevelInMouse& sent) {
    return sent.profile << 8 | sent.level;
}

inline LevelInMouse LevelOfWord(int32_t word) {
    return {word >> 8, word & 0xFF};
}

struct WorkerResult {
    WorkerResultKind kind = WorkerResultKind::Connected;
    int32_t value = 0;
};

} // namespace mervik
