#pragma once
// Profiles whose every field differs from its default, to show that a field
// which silently fails to load or save cannot pass for a correct one.
#include <cstring>
#include <string>

#include "settings/FunctionCodes.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"

namespace mervik::testing {

// Fields with a range (ProfileRanges.h) get values inside it; the others any
// value, negative ones too.
inline void FillSampleProfile(ProfileRecord& r, int seed) {
    ResetProfile(r, seed % kProfileCount);
    SetTextField(r.ProFileName, "Sample profile " + std::to_string(seed));
    SetTextField(r.GameFile, "C:\\Games\\Game" + std::to_string(seed) + "\\game.exe");
    int32_t* unbounded[] = {&r.TiltSpeed, &r.MediaOption, &r.Brightness,   &r.BreathSpeed,
                            &r.LoopColor, &r.CpiStep,     &r.OTGSpeed,     &r.LightType,
                            &r.BTNDelay,  &r.B2WSens,     &r.ColorOptions, &r.B2TSens};
    int32_t value = 1000 * seed + 7;
    for (int32_t* field : unbounded)
        *field = value++;
    r.W2BDelay = -1 - seed; // negative values must survive too
    r.DbleClickSpeed = 600 + seed;
    r.ScrollWheelSpeed = 4 + seed;
    r.ScrollWheelFlag = 1;
    r.MouseSpeed = 11 + seed % 9;
    r.Acceleration = 11 + seed % 8;
    r.AccelerationFlag = 1;
    r.Orientation = 1;
    r.XYSynchronous = 0;
    r.Sensitivity_X = 6 + seed % 14;
    r.Sensitivity_Y = 7 + seed % 13;
    r.Sensitivity = 8 + seed % 12;
    r.Cpi_X = 3 + seed % 3;
    r.Cpi_Y = 1 + seed % 5;
    r.XYCpiFlag = 0;
    r.PollingRate = seed % 2 ? 3 : 0;
    r.LightSwitch = seed % 2 ? 3 : 1;
    r.LedColor = 0x123456 + seed;
    r.LedLPColor = 0xFEDCBA - seed;
    for (int n = 0; n < kDpiStageCount; ++n) {
        r.CpiLevel_X[n] = 12 - n;
        r.CpiLevel_Y[n] = 1 + (n + seed) % 12;
    }
    for (int n = 0; n < kDpiStepFlagCount; ++n)
        r.dpiStepFlag[n] = (n + seed) % 2;
    for (int n = 0; n < kDpiIndicatorCount; ++n)
        r.dpiIndicator[n] = static_cast<uint8_t>(200 + n + seed);
    r.DpiIndicationType = 254;
    r.ModeStatus = 2;
    for (int n = 0; n < kColorCount; ++n) {
        r.ColorFlag[n] = n % 3;
        r.SLEDColor[n] = 0x10203 * (n + 1) + seed;
    }
    for (int n = 0; n < kDpiColorCount; ++n)
        r.LedDPIColor[n] = 0xFFFFFF - n - seed;
    for (int s = 0; s < kSlotCount; ++s) {
        ButtonAssignment& b = r.Buttons[s];
        b.Function = s % 3 == 0 ? fn::Macro : s % 3 == 1 ? fn::Key : fn::Program;
        b.FireCount = s;
        b.FireInterval = 5 + s;
        b.RunMode = s % 3;
        SetTextField(b.MacroName, "macro " + std::to_string(s));
        b.MacroRepeat = seed;
        b.EventCount = static_cast<uint16_t>(s % 51);
        for (int e = 0; e < kMaxMacroEvents; ++e)
            b.Events[e] =
                MacroEvent{static_cast<uint8_t>(4 + e), MacroPress, static_cast<uint16_t>(s * e)};
        SetTextField(b.ProgramPath, "C:\\Tools\\tool" + std::to_string(s) + ".exe");
    }
}

inline void FillSampleImage(SharedSettingsBlock& image) {
    image.CurrentProfile = 2;
    image.MouseType = 3;
    image.LedType = 1;
    for (int n = 0; n < kProfileCount; ++n)
        FillSampleProfile(image.Profiles[n], n + 1);
}

} // namespace mervik::testing
