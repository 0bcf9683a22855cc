#include "ui/core/DpiLevelRules.h"

#include <iterator>

#include "lang/TextIds.h"

namespace mervik::ui {

namespace {

// The caption and the menu item of value v alike.
constexpr int kHighestDpiValue = static_cast<int>(std::size(kTextDpiValue));

bool IsLevel(int level) {
    return level >= 0 && level < kDpiStageCount;
}

} // namespace

std::array<DpiLevelControls, kDpiStageCount> DpiLevelStates(const ProfileRecord& profile) {
    std::array<DpiLevelControls, kDpiStageCount> states{};
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiLevelControls& s = states[i];
        s.switchOn = profile.dpiStepFlag[i] != 0;
        s.selectorEnabled = s.switchOn;
        s.selected = i == profile.Cpi_X;
        s.switchEnabled = !s.selected;
    }
    return states;
}

void SwitchDpiLevel(ProfileRecord& profile, int level, bool on) {
    if (!IsLevel(level) || level == profile.Cpi_X)
        return;
    profile.dpiStepFlag[level] = on ? 1 : 0;
}

void SelectDpiLevel(ProfileRecord& profile, int level) {
    if (IsLevel(level) && profile.dpiStepFlag[level])
        profile.Cpi_X = level;
}

unsigned DpiValueText(int value) {
    return value >= 1 && value <= kHighestDpiValue ? kTextDpiValue[value - 1] : 0;
}

MenuModel DpiValueMenu() {
    MenuModel items;
    for (int v = 1; v <= kHighestDpiValue; ++v)
        items.push_back({kFirstDpiValueCommand + v, DpiValueText(v), {}});
    return items;
}

bool ChooseDpiValue(ProfileRecord& profile, int level, int command) {
    const int value = command - kFirstDpiValueCommand;
    if (!IsLevel(level) || value < 1 || value > kHighestDpiValue)
        return false;
    profile.CpiLevel_X[level] = value;
    return true;
}

} // namespace mervik::ui
