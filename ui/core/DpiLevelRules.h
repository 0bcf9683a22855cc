#pragma once
// The six DPI levels of page 1: which level switches and selectors are on and
// usable, and the menu of a level's value. The level in use cannot be
// switched off, and a level switched off cannot be chosen.
#include <array>

#include "settings/ProfileRecord.h"
#include "ui/core/MenuModel.h"

namespace mervik::ui {

constexpr int kFirstDpiValueCommand = 2000; // + value 1..12
constexpr int kDpiValueMenuWidth = 76;

struct DpiLevelControls {
    bool switchOn = false;
    bool switchEnabled = true;
    bool selected = false;
    bool selectorEnabled = true;
};

std::array<DpiLevelControls, kDpiStageCount> DpiLevelStates(const ProfileRecord& profile);

// A level switch clicked: its new state. The level in use stays on.
void SwitchDpiLevel(ProfileRecord& profile, int level, bool on);
// A level selector clicked: that level is in use, if it is switched on.
void SelectDpiLevel(ProfileRecord& profile, int level);

// The text of a level's value caption; 0 (nothing shown) outside 1..12.
unsigned DpiValueText(int value);
MenuModel DpiValueMenu();
// A value command for level `level`; false (nothing stored) for another command.
bool ChooseDpiValue(ProfileRecord& profile, int level, int command);

} // namespace mervik::ui
