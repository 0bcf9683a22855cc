#pragma once
// Profiles whose every field differs from its default, to show that a field
// which silently fails to load or save cannot pass for a correct one.
#include <cstring>
#include <string>

#include "settings/FunctionCodes.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"

namespace mervik::testing {

inline void FillSampleProfile(ProfileRecord& r, int seed) {
    ResetProfile(r, seed % kProfileCount);
    SetTextField(r.ProFileName, "Sample profile " + std::to_string(seed));
    SetTextField(r.GameFile, "C:\\Games\\Game" + std::to_string(seed) + "\\game.exe");
    int32_t* ints[] = {&r.DbleClickSpeed,  &r.ScrollWheelSpeed,
                       &r.ScrollWheelFlag, &r.MouseSpeed,
                       &r.Acceleration,    &r.AccelerationFlag,
                       &r.TiltSpeed,       &r.MediaOption,
                       &r.Orientation,     &r.XYSynchronous,
                       &r.Sensitivity_X,   &r.Sensitivity_Y,
                       &r.Sensitivity,     &r.Cpi_X,
                       &r.Cpi_Y,           &r.XYCpiFlag,
                       &r.Brightness,      &r.BreathSpeed,
                       &r.LoopColor,       &r.CpiStep,
                       &r.OTGSpeed,        &r.PollingRate,
                       &r.LightSwitch,     &r.LightType,
                       &r.ColorOptions,    &r.BTNDelay,
                       &r.B2WSens,         &r.W2BDelay,
                       &r.B2TSens,         &r.LedColor,
                       &r.LedLPColor};
    int32_t value = 1000 * seed + 7;
    for (int32_t* field : ints)
        *field = value++;
    for (int n = 0; n < kDpiStageCount; ++n) {
        r.CpiLevel_X[n] = 12 - n;
        r.CpiLevel_Y[n] = 1 + n + seed;
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
        r.LedDPIColor[n] = -1 - n; // negative values must survive too
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
