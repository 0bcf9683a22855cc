#pragma once
// Defaults of the settings image and the rule for giving a slot a function.
#include <string>

#include "settings/SharedSettingsBlock.h"

namespace mervik {

// A fresh image: no active profile, variants 0; the profiles are left alone.
void CreateImage(SharedSettingsBlock& image);

// Current profile 0 and every profile at its defaults.
void ResetAllProfiles(SharedSettingsBlock& image);

// "Default1" for profile 0: the name a profile has until the user names it.
std::string DefaultProfileName(int index);

// The defaults of profile `index` (0..4). ColorOptions, LedColor and LedLPColor
// keep their values.
void ResetProfile(ProfileRecord& record, int index);

// The button page's reset of the button table alone.
void ResetButtonTable(ProfileRecord& record);

// The data a chosen function brings with it; which fields count depends on the code.
struct FunctionChoice {
    uint8_t code = 0;
    uint8_t keyUsage = 0;     // key and fire
    uint8_t keyModifiers = 0; // key
    int32_t fireCount = 0;    // fire
    int32_t fireInterval = 0; // fire
    // Macro: the run mode and the macro's own data; macroName null when no
    // macro was chosen.
    int32_t runMode = 0;
    const char* macroName = nullptr;
    int32_t macroRepeat = 0;
    int32_t macroEventCount = 0;
    const MacroEvent* macroEvents = nullptr; // kMaxMacroEvents entries
};

// Gives slot `slot` of `record` the chosen function. A key or fire choice
// without a key, or a macro choice without a macro, falls back to the slot's
// default code.
void AssignFunction(ProfileRecord& record, int slot, const FunctionChoice& choice);

} // namespace mervik
