#include "protocol/UploadPlan.h"

#include <algorithm>
#include <cassert>

namespace mervik {

void UploadPlan::Feature(const FeatureReport& report) {
    PlanStep step;
    step.kind = StepKind::Feature;
    step.length = static_cast<uint8_t>(report.size());
    std::copy(report.begin(), report.end(), step.bytes.begin());
    steps_.push_back(step);
}

void UploadPlan::Write(std::span<const uint8_t> block) {
    assert(block.size() <= wire::kMaxBlockSize);
    PlanStep step;
    step.kind = StepKind::Write;
    step.length = static_cast<uint8_t>(block.size());
    std::copy(block.begin(), block.end(), step.bytes.begin());
    steps_.push_back(step);
}

void UploadPlan::Pause(uint32_t ms) {
    totalPauseMs_ += ms;
    if (!steps_.empty() && steps_.back().kind == StepKind::Pause) {
        steps_.back().pauseMs += ms;
        return;
    }
    PlanStep step;
    step.kind = StepKind::Pause;
    step.pauseMs = ms;
    steps_.push_back(step);
}

} // namespace mervik
