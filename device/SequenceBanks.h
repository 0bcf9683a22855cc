#pragma once
// The key sequences the mouse plays by itself: the fixed chords of some
// function codes and the macros of code 6, each in one 128-byte bank.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "protocol/DeviceReports.h"
#include "settings/ButtonAssignment.h"

namespace mervik {

using SequenceBank = std::array<uint8_t, wire::kBankSize>;

struct BankContent {
    SequenceBank bytes{};
    int stepCount = 0; // steps actually stored
};

// How a macro's steps take up its bank: the steps stored (a too long macro is
// cut at a whole step) and the step bytes used, including the releases a cut
// adds. MacroBank writes by this plan; the macro page shows it.
struct MacroBankPlan {
    int stepsStored = 0;
    int bytesUsed = 0;
    bool cut = false;
};
MacroBankPlan PlanMacroBank(std::span<const MacroEvent> events);

// The chord of a code that has one (played once), nothing for other codes.
std::optional<BankContent> FixedSequenceBank(uint8_t functionCode);

// The macro of a code-6 slot. At most 50 events are read whatever EventCount
// claims. A macro whose steps need more than the bank holds is cut at a whole
// step, early enough that releases of the keys it leaves pressed fit after it.
BankContent MacroBank(const ButtonAssignment& slot);

} // namespace mervik
