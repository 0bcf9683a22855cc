#include "ui/core/FunctionChoiceRules.h"

#include "lang/TextIds.h"
#include "settings/FunctionCodes.h"
#include "settings/ProfileDefaults.h"
#include "ui/core/FunctionMenu.h"

namespace mervik::ui {

namespace {

bool InTable(int button) {
    return button >= 0 && button < kSlotCount;
}

} // namespace

int FirstSlotOfMode(int mode) {
    if (mode == 1)
        return 0;
    if (mode == 2)
        return kTwinDistance;
    return -1;
}

bool KeepsLeftClick(const ProfileRecord& profile, int button, uint8_t code) {
    const int first = FirstSlotOfMode(profile.ModeStatus);
    if (first < 0)
        return false;
    for (int slot = first; slot < first + kButtonsPerMode; ++slot) {
        uint8_t held = slot == button ? code : profile.Buttons[slot].Function;
        if (held == fn::LeftButton)
            return true;
    }
    return false;
}

ChoiceNeeds ChooseFunction(ProfileRecord& profile, int button, int item) {
    if (!InTable(button))
        return ChoiceNeeds::Refused;
    const uint8_t code = FunctionOfMenuItem(item, button);
    if (!KeepsLeftClick(profile, button, code))
        return ChoiceNeeds::Refused;
    switch (item) {
    case kTextKeyCombination:
        return ChoiceNeeds::Shortcut;
    case kTextRapidFire:
        return ChoiceNeeds::Fire;
    case kTextMacroItem:
        return ChoiceNeeds::Macro;
    default:
        break;
    }
    FunctionChoice choice;
    choice.code = code;
    AssignFunction(profile, button, choice);
    ApplyTwinRule(profile, button);
    return ChoiceNeeds::Nothing;
}

void ApplyTwinRule(ProfileRecord& profile, int button) {
    if (button < 0 || button >= kTwinDistance)
        return;
    const int twin = button + kTwinDistance;
    const bool locks = profile.Buttons[button].Function == fn::Group8Item2;
    const bool locked = profile.Buttons[twin].Function == fn::Group8Item2;
    if (locks == locked)
        return;
    FunctionChoice choice;
    choice.code = locks ? fn::Group8Item2 : fn::DefaultFunction(twin);
    AssignFunction(profile, twin, choice);
}

bool LockedByTwin(const ProfileRecord& profile, int button) {
    return button >= kTwinDistance && button < kSlotCount &&
           profile.Buttons[button - kTwinDistance].Function == fn::Group8Item2;
}

} // namespace mervik::ui
