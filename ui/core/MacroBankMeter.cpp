#include "ui/core/MacroBankMeter.h"

#include "device/SequenceBanks.h"

namespace mervik::ui {

std::string FillNumbers(std::string_view text, int first, int second) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += std::to_string(text[i + 1] == '1' ? first : second);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string BankMeterText(std::span<const MacroEvent> events, const BankMeterTexts& texts) {
    const MacroBankPlan plan = PlanMacroBank(events);
    if (plan.cut) {
        return FillNumbers(texts.tooLong, plan.stepsStored + 1, static_cast<int>(events.size()));
    }
    return FillNumbers(texts.fits, plan.bytesUsed, static_cast<int>(wire::kBankStepCapacity));
}

} // namespace mervik::ui
