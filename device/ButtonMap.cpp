#include "device/ButtonMap.h"

#include <algorithm>

#include "device/ButtonCells.h"
#include "settings/FunctionCodes.h"

namespace mervik {

namespace {

bool IsUnsentSlot(int slot) {
    return slot >= wire::kFirstUnsentSlot && slot <= wire::kLastUnsentSlot;
}

// The bank a sequence cell plays; a macro's cell counts the steps kept.
BankContent BankFor(const ButtonAssignment& slot, ButtonCell& cell) {
    if (slot.Function == fn::Macro) {
        BankContent bank = MacroBank(slot);
        cell[3] = static_cast<uint8_t>(bank.stepCount);
        return bank;
    }
    return FixedSequenceBank(slot.Function).value_or(BankContent{});
}

} // namespace

ButtonMapImage BuildButtonMap(const ProfileRecord& profile) {
    ButtonMapImage image;
    image.banks.reserve(wire::kBankCount);
    for (int i = 0; i < kSlotCount; ++i) {
        if (IsUnsentSlot(i))
            continue;
        const ButtonAssignment& slot = profile.Buttons[i];
        ButtonCell cell = CellFor(slot, i, profile.OTGSpeed);
        if (PlaysSequence(cell) && image.banks.size() < wire::kBankCount) {
            image.banks.push_back(BankFor(slot, cell).bytes);
            cell[2] = static_cast<uint8_t>(image.banks.size());
        }
        std::copy(cell.begin(), cell.end(), image.cells.begin() + i * wire::kCellSize);
    }
    return image;
}

} // namespace mervik
