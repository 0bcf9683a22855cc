#pragma once
// How far an upload is, told to the user while it runs. The pauses the mouse
// needs take nearly all of an upload's 3 to 8 seconds, so the share of the
// plan's pauses behind a transfer is the share of the time gone.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "protocol/UploadPlan.h"

namespace mervik {

class UploadProgress {
public:
    explicit UploadProgress(const UploadPlan& plan);

    // Percent done once the step at `stepIndex` is over: 0 to 99, since only
    // the end of the whole plan is 100.
    int PercentAfter(size_t stepIndex) const;

private:
    std::vector<uint8_t> percent_;
};

} // namespace mervik
