#include "ui/core/MacroBankMeter.h"
#include "ui/core/TextFill.h"

#include "device/SequenceBanks.h"

namespace mervik::ui {

std::string BankMeterText(std::span<const MacroEvent> events, const BankMeterTexts& texts) {
    const MacroBankPlan plan = PlanMacroBank(events);
    if (plan.cut) {
        return FillNumbers(texts.tooLong, plan.stepsStored + 1, static_cast<int>(events.size()));
    }
    return FillNumbers(texts.fits, plan.bytesUsed, static_cast<int>(wire::kBankStepCapacity));
}

} // namespace mervik::ui
