#include "macros/SyncMacroButtons.h"

#include "macros/FindMacroByName.h"
#include "macros/MacroButtonCopy.h"
#include "settings/FunctionCodes.h"

namespace mervik {

namespace {

constexpr int kSyncedSlotCount = 16;

bool HoldsNamedMacro(const ButtonAssignment& button) {
    return button.Function == fn::Macro && button.MacroName[0] != '\0';
}

void SyncButton(const MacroList& list, ButtonAssignment& button) {
    const std::optional<MacroMatch> match = FindMacroByName(list, button);
    if (!match) {
        button.Function = fn::Disabled;
        return;
    }
    CopyMacroIntoButton(*list.RecordAt(match->index), button);
}

} // namespace

void SyncMacroButtons(const MacroList& list, SharedSettingsBlock& image) {
    for (ProfileRecord& profile : image.Profiles) {
        for (int slot = 0; slot < kSyncedSlotCount; ++slot) {
            if (HoldsNamedMacro(profile.Buttons[slot]))
                SyncButton(list, profile.Buttons[slot]);
        }
    }
}

} // namespace mervik
