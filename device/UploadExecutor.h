#pragma once
// Sends an upload plan to the mouse, keeping every pause at least as long as
// the plan says, measured on the monotonic clock from the end of the transfer
// before it.
#include <cstddef>
#include <functional>

#include "device/DeviceConnection.h"
#include "protocol/UploadPlan.h"

namespace mervik {

struct UploadResult {
    size_t transfersSent = 0; // transfers that went through
    // False: the mouse was away, a transfer failed or the caller stopped it,
    // and the rest was dropped. The mouse then holds part of the plan; only a
    // whole upload mends that.
    bool completed = false;
    // The caller's `stopBeforeGroup` asked to end before the next group.
    bool stopped = false;
};

// Nothing is sent to a mouse that is not present. A transfer that fails ends
// the upload at once, as the blocks after a lost announcement would be taken
// for another one's.
//
// `stopBeforeGroup`, when given, is asked before each announcement, once the
// pause before it is over: true ends the upload there, between two whole
// groups, with nothing owed to the mouse's pacing. The mouse then holds the
// groups sent over the ones it had; a whole upload after it replaces every
// group the mouse acts on.
//
// `afterTransfer`, when given, hears the index in the plan of each transfer
// that went through, so the caller can tell how far the upload is.
UploadResult ExecuteUpload(const UploadPlan& plan, DeviceConnection& connection,
                           const std::function<bool()>& stopBeforeGroup = nullptr,
                           const std::function<void(size_t step)>& afterTransfer = nullptr);

} // namespace mervik
