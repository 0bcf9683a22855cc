#pragma once
// The text form of an upload, one transfer a line, as mervikctl prints it and
// the simulated mouse logs it:
//   feature XX XX XX XX XX XX XX XX
//   write LEN XX XX ...
//   sleep MS
#include <cstdint>
#include <span>
#include <string>

#include "protocol/UploadPlan.h"

namespace mervik {

// " XX XX ..": the bytes of a transfer as its line shows them.
std::string HexBytes(std::span<const uint8_t> bytes);

// One transfer's line without its line end; `kind` is Feature or Write.
std::string TransferLine(StepKind kind, std::span<const uint8_t> bytes);

std::string PlanStepLine(const PlanStep& step);

// Every step, each line ended by '\n'.
std::string PlanText(const UploadPlan& plan);

} // namespace mervik
