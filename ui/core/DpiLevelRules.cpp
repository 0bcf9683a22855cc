#include "ui/core/DpiLevelRules.h"

namespace mervik::ui {

namespace {

constexpr int kFirstDpiValueText = 1111; // + value, caption and menu item alike
constexpr int kHighestDpiValue = 12;

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

int DpiValueText(int value) {
    return value >= 1 && value <= kHighestDpiValue ? kFirstDpiValueText + value : 0;
}

MenuModel DpiValueMenu() {
    MenuModel items;
    for (int v = 1; v <= kHighestDpiValue; ++v)
        items.push_back({kFirstDpiValueCommand + v, kFirstDpiValueText + v, {}});
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
