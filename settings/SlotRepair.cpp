#include "settings/SlotRepair.h"

#include <cstring>

#include "settings/FunctionCodes.h"

namespace mervik {

void ResetSlot(ButtonAssignment& slot, int n) {
    std::memset(&slot, 0, sizeof slot);
    slot.Slot = static_cast<uint8_t>(n);
    slot.Function = fn::DefaultFunction(n);
}

void MakeSlotSafe(ButtonAssignment& slot, int n) {
    slot.Slot = static_cast<uint8_t>(n);
    if (slot.EventCount > kMaxMacroEvents)
        slot.EventCount = kMaxMacroEvents;
    slot.MacroName[kMacroNameFieldSize - 1] = '\0';
    slot.ProgramPath[kProgramPathFieldSize - 1] = '\0';
}

} // namespace mervik
