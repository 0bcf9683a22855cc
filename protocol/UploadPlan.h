#pragma once
// What one upload sends, in order: feature reports, the output blocks that
// follow their announcements, and the pauses the mouse needs between them. The
// plan is plain data so it can be printed, compared and timed apart from the
// device.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "protocol/FeatureReport.h"

namespace mervik {

enum class StepKind : uint8_t {
    Feature, // SetFeature of 8 bytes
    Write,   // WriteUSB of 8, 24 or 32 bytes
    Pause,   // at least this long before the next transfer
};

struct PlanStep {
    StepKind kind = StepKind::Pause;
    uint8_t length = 0;   // bytes used of `bytes`
    uint32_t pauseMs = 0; // Pause only
    std::array<uint8_t, wire::kMaxBlockSize> bytes{};

    std::span<const uint8_t> Data() const { return {bytes.data(), length}; }
    bool operator==(const PlanStep&) const = default;
};

class UploadPlan {
public:
    void Feature(const FeatureReport& report);
    void Write(std::span<const uint8_t> block);
    // Back-to-back pauses become one: only the time between transfers counts.
    void Pause(uint32_t ms);

    const std::vector<PlanStep>& Steps() const { return steps_; }
    uint32_t TotalPauseMs() const { return totalPauseMs_; }
    bool operator==(const UploadPlan&) const = default;

private:
    std::vector<PlanStep> steps_;
    uint32_t totalPauseMs_ = 0;
};

} // namespace mervik
