#pragma once
// Sends an upload plan to the mouse, keeping every pause at least as long as
// the plan says, measured on the monotonic clock from the end of the transfer
// before it.
#include <cstddef>

#include "device/DeviceConnection.h"
#include "protocol/UploadPlan.h"

namespace mervik {

struct UploadResult {
    size_t transfersSent = 0;
    bool completed = false; // false: the mouse went away and the rest was dropped
};

// Each announcement with its blocks and pauses is one transaction. Before each
// one the connection is checked: once the mouse is gone nothing more is sent.
// Transfer results are not checked, as the protocol has no way to resend.
UploadResult ExecuteUpload(const UploadPlan& plan, DeviceConnection& connection);

} // namespace mervik
