#include "protocol/PlanText.h"

namespace mervik {

std::string HexBytes(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (uint8_t b : bytes) {
        out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

std::string TransferLine(StepKind kind, std::span<const uint8_t> bytes) {
    std::string line =
        kind == StepKind::Feature ? "feature" : "write " + std::to_string(bytes.size());
    return line + HexBytes(bytes);
}

std::string PlanStepLine(const PlanStep& step) {
    if (step.kind == StepKind::Pause)
        return "sleep " + std::to_string(step.pauseMs);
    return TransferLine(step.kind, step.Data());
}

std::string PlanText(const UploadPlan& plan) {
    std::string text;
    for (const PlanStep& step : plan.Steps()) {
        text += PlanStepLine(step);
        text += '\n';
    }
    return text;
}

} // namespace mervik
