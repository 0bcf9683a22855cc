#pragma once
// What choosing an item of a button's function menu does to the profile:
// the guard that keeps a left click in the current mode, the lock between a
// button of the first half of the table and its twin 32 slots on, and the
// function itself. Items that need a dialog (key combination, fire, macro)
// only tell which; the page stores the dialog's answer with AssignFunction.
#include "settings/ProfileRecord.h"

namespace mervik::ui {

constexpr int kTwinDistance = 32;
constexpr int kButtonsPerMode = 16;

enum class ChoiceNeeds {
    Refused,  // the mode would lose its last left click: warn, change nothing
    Nothing,  // the choice is stored
    Shortcut, // ask for the key combination
    Fire,     // ask for the fire key, count and interval
    Macro,    // ask which macro
};

// The first slot of the buttons mode `mode` shows (1 or 2); -1 for another mode.
int FirstSlotOfMode(int mode);

// True when, with slot `button` given `code`, the slots of the current mode
// still hold a left click.
bool KeepsLeftClick(const ProfileRecord& profile, int button, uint8_t code);

// Item `item` chosen for slot `button`: refused, stored, or the dialog to ask.
ChoiceNeeds ChooseFunction(ProfileRecord& profile, int button, int item);

// After slot `button` changed: a slot of the first half holding the twin lock
// locks its twin to the same code; a twin it no longer locks gets its default
// function back. A twin the user set to something else is left alone.
void ApplyTwinRule(ProfileRecord& profile, int button);

// True for a slot its twin holds locked (its button is disabled).
bool LockedByTwin(const ProfileRecord& profile, int button);

} // namespace mervik::ui
