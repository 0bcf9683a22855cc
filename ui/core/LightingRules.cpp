#include "ui/core/LightingRules.h"

#include <vector>

namespace mervik::ui {

namespace {

constexpr int kFirstLevelCommand = 4000;  // + value
constexpr int kFirstEffectCommand = 5000; // + value

struct ModeEntry {
    int command;
    int value;
    int text;
};

// Menu order: steady, breathing, cycling, off.
constexpr ModeEntry kModes[] = {
    {3001, kLightSteady, 1124},
    {3002, kLightBreathing, 1125},
    {3003, kLightCycling, 1126},
    {3004, kLightsOff, 1144},
};

// The level a mode edits: its field, its values and the text of value 1 less one.
struct LevelScale {
    int32_t ProfileRecord::*field;
    int highest;
    int textBase;
};

bool LevelScaleOf(int mode, LevelScale& scale) {
    switch (mode) {
    case kLightSteady:
        scale = {&ProfileRecord::Brightness, 10, 1079};
        return true;
    case kLightBreathing:
        scale = {&ProfileRecord::BreathSpeed, 5, 1089};
        return true;
    case kLightCycling:
        scale = {&ProfileRecord::BreathSpeed, 12, 1126};
        return true;
    default:
        return false;
    }
}

// The effects of a mode: texts of values 1, 2...
std::vector<int> EffectTexts(int mode) {
    switch (mode) {
    case kLightSteady:
    case kLightBreathing:
        return {1139};
    case kLightCycling:
        return {1140, 1141};
    default:
        return {};
    }
}

} // namespace

int LightModeText(const ProfileRecord& profile) {
    for (const ModeEntry& m : kModes) {
        if (m.value == profile.LightSwitch)
            return m.text;
    }
    return 0;
}

int LightLevelText(const ProfileRecord& profile) {
    LevelScale scale;
    if (!LevelScaleOf(profile.LightSwitch, scale))
        return 0;
    const int value = profile.*scale.field;
    return value >= 1 && value <= scale.highest ? scale.textBase + value : 0;
}

int LightEffectText(const ProfileRecord& profile) {
    const std::vector<int> texts = EffectTexts(profile.LightSwitch);
    const int value = profile.LightType;
    return value >= 1 && value <= static_cast<int>(texts.size()) ? texts[value - 1] : 0;
}

MenuModel LightModeMenu() {
    MenuModel items;
    for (const ModeEntry& m : kModes)
        items.push_back({m.command, m.text, {}});
    return items;
}

MenuModel LightLevelMenu(const ProfileRecord& profile) {
    MenuModel items;
    LevelScale scale;
    if (LevelScaleOf(profile.LightSwitch, scale)) {
        for (int v = 1; v <= scale.highest; ++v)
            items.push_back({kFirstLevelCommand + v, scale.textBase + v, {}});
    }
    return items;
}

MenuModel LightEffectMenu(const ProfileRecord& profile) {
    MenuModel items;
    const std::vector<int> texts = EffectTexts(profile.LightSwitch);
    for (size_t i = 0; i < texts.size(); ++i)
        items.push_back({kFirstEffectCommand + static_cast<int>(i) + 1, texts[i], {}});
    return items;
}

bool ChooseLightMode(ProfileRecord& profile, int command) {
    for (const ModeEntry& m : kModes) {
        if (m.command == command) {
            profile.LightSwitch = m.value;
            return true;
        }
    }
    return false;
}

bool ChooseLightLevel(ProfileRecord& profile, int command) {
    LevelScale scale;
    const int value = command - kFirstLevelCommand;
    if (!LevelScaleOf(profile.LightSwitch, scale) || value < 1 || value > scale.highest)
        return false;
    profile.*scale.field = value;
    return true;
}

bool ChooseLightEffect(ProfileRecord& profile, int command) {
    const int value = command - kFirstEffectCommand;
    const int count = static_cast<int>(EffectTexts(profile.LightSwitch).size());
    if (value < 1 || value > count)
        return false;
    profile.LightType = value;
    return true;
}

bool ColoursEditable(const ProfileRecord& profile) {
    return profile.LightSwitch != kLightsOff && profile.LightSwitch != kLightCycling;
}

} // namespace mervik::ui
