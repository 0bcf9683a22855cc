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
};

struct WorkerResult {
    WorkerResultKind kind = WorkerResultKind::Connected;
    int32_t value = 0;
};

} // namespace mervik
