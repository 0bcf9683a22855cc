#pragma once
// Where page 1's controls sit in its skin (BUTTONPOS keys) and which of the
// function buttons each mode shows.
#include <array>

#include "settings/ProfileRecord.h"

namespace mervik::ui::page1 {

constexpr int FunctionButtonKey(int slot) {
    return slot + 1;
} // slots 0..63
constexpr std::array<int, 2> kModeKeys = {65, 66};
constexpr int kResetKey = 67;
constexpr std::array<int, 4> kRateKeys = {68, 69, 70, 71};
constexpr std::array<int, kDpiStageCount> kLevelSwitchKeys = {72, 73, 74, 75, 106, 107};
constexpr std::array<int, kDpiStageCount> kLevelSelectorKeys = {76, 77, 78, 79, 108, 109};
constexpr std::array<int, kDpiStageCount> kLevelValueKeys = {80, 81, 82, 83, 110, 111};
constexpr int kLightModeKey = 84;
constexpr int kLightLevelKey = 85;
constexpr int kLightEffectKey = 86;
constexpr int kFirstColourKey = 88;       // 8 colour buttons
constexpr int kFirstColourSwitchKey = 96; // 8 colour switches

// Slots of the first and second mode; the other slots have buttons the mode
// switch leaves alone.
constexpr bool ShownInMode(int slot, int mode) {
    const int first = mode == 2 ? 32 : 0;
    return slot >= first && slot < first + 16;
}
constexpr bool SwitchedByMode(int slot) {
    return ShownInMode(slot, 1) || ShownInMode(slot, 2);
}

} // namespace mervik::ui::page1
