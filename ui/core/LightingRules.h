#pragma once
// The lighting controls of page 1: the light mode, the level that mode uses
// (brightness when steady, speed when breathing or cycling), the effect, and
// when the eight colours can be edited.
#include "settings/ProfileRecord.h"
#include "ui/core/MenuModel.h"

namespace mervik::ui {

constexpr int kLightMenuWidth = 132;

enum LightMode { kLightsOff = 0, kLightSteady = 1, kLightBreathing = 2, kLightCycling = 3 };

// Captions: language text numbers, 0 for an empty caption.
unsigned LightModeText(const ProfileRecord& profile);
unsigned LightLevelText(const ProfileRecord& profile);
unsigned LightEffectText(const ProfileRecord& profile);

// Menus for the profile's light mode; the level and effect menus of the
// lights-off mode are empty.
MenuModel LightModeMenu();
MenuModel LightLevelMenu(const ProfileRecord& profile);
MenuModel LightEffectMenu(const ProfileRecord& profile);

// A menu command stored; false when the command is not one of the menu's
// (nothing is stored, so no value outside a field's range gets in).
bool ChooseLightMode(ProfileRecord& profile, int command);
bool ChooseLightLevel(ProfileRecord& profile, int command);
bool ChooseLightEffect(ProfileRecord& profile, int command);

// The colour buttons and switches are usable in the modes that show them.
bool ColoursEditable(const ProfileRecord& profile);

} // namespace mervik::ui
