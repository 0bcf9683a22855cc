#include "ui/core/LightingRules.h"

#include <span>
#include <vector>

#include "lang/TextIds.h"

namespace mervik::ui {

namespace {

constexpr int kFirstLevelCommand = 4000;  // + value
constexpr int kFirstEffectCommand = 5000; // + value

struct ModeEntry {
    int command;
    int value;
    unsigned text;
};

// Menu order: steady, breathing, cycling, off.
constexpr ModeEntry kModes[] = {
    {3001, kLightSteady, kTextLightSteady},
    {3002, kLightBreathing, kTextLightBreathing},
    {3003, kLightCycling, kTextLightSpectrum},
    {3004, kLightsOff, kTextLightsOff},
};

// The level a mode edits: its field, and the text of each value from 1 on.
struct LevelScale {
    int32_t ProfileRecord::*field;
    std::span<const unsigned> texts;

    int Highest() const { return static_cast<int>(texts.size()); }
};

bool LevelScaleOf(int mode, LevelScale& scale) {
    switch (mode) {
    case kLightSteady:
        scale = {&ProfileRecord::Brightness, kTextBrightness};
        return true;
    case kLightBreathing:
        scale = {&ProfileRecord::BreathSpeed, kTextBreathingSpeed};
        return true;
    case kLightCycling:
        scale = {&ProfileRecord::BreathSpeed, kTextSpectrumSpeed};
        return true;
    default:
        return false;
    }
}

// The effects of a mode: texts of values 1, 2...
std::vector<unsigned> EffectTexts(int mode) {
    switch (mode) {
    case kLightSteady:
    case kLightBreathing:
        return {kTextMyColours};
    case kLightCycling:
        return {kTextSmoothFade, kTextStepChange};
    default:
        return {};
    }
}

// The text of value v (from 1) of a list; 0 outside it.
unsigned TextOfValue(std::span<const unsigned> texts, int value) {
    return value >= 1 && value <= static_cast<int>(texts.size())
               ? texts[static_cast<size_t>(value - 1)]
               : 0;
}

} // namespace

unsigned LightModeText(const ProfileRecord& profile) {
    for (const ModeEntry& m : kModes) {
        if (m.value == profile.LightSwitch)
            return m.text;
    }
    return 0;
}

unsigned LightLevelText(const ProfileRecord& profile) {
    LevelScale scale;
    if (!LevelScaleOf(profile.LightSwitch, scale))
        return 0;
    return TextOfValue(scale.texts, profile.*scale.field);
}

unsigned LightEffectText(const ProfileRecord& profile) {
    return TextOfValue(EffectTexts(profile.LightSwitch), profile.LightType);
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
        for (int v = 1; v <= scale.Highest(); ++v)
            items.push_back({kFirstLevelCommand + v, TextOfValue(scale.texts, v), {}});
    }
    return items;
}

MenuModel LightEffectMenu(const ProfileRecord& profile) {
    MenuModel items;
    const std::vector<unsigned> texts = EffectTexts(profile.LightSwitch);
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
    if (!LevelScaleOf(profile.LightSwitch, scale) || value < 1 || value > scale.Highest())
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
