#include "device/UploadProgress.h"

#include <algorithm>

namespace mervik {

// A plan without pauses counts its transfers instead.
UploadProgress::UploadProgress(const UploadPlan& plan) {
    const std::vector<PlanStep>& steps = plan.Steps();
    const uint64_t total = plan.TotalPauseMs() ? plan.TotalPauseMs() : steps.size();
    uint64_t done = 0;
    percent_.reserve(steps.size());
    for (const PlanStep& step : steps) {
        done += plan.TotalPauseMs() ? (step.kind == StepKind::Pause ? step.pauseMs : 0) : 1;
        percent_.push_back(static_cast<uint8_t>(std::min<uint64_t>(done * 100 / total, 99)));
    }
}

int UploadProgress::PercentAfter(size_t stepIndex) const {
    if (percent_.empty())
        return 0;
    return percent_[std::min(stepIndex, percent_.size() - 1)];
}

} // namespace mervik
