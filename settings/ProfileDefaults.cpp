#include "settings/ProfileDefaults.h"

#include <algorithm>
#include <cstring>

#include "settings/FunctionCodes.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

constexpr int32_t kDefaultCpiLevels[kDpiStageCount] = {3, 4, 5, 6, 7, 8};
constexpr int32_t kDefaultDpiStepFlags[kDpiStepFlagCount] = {1, 1, 1, 1, 1, 1, 0, 0};
constexpr uint8_t kDefaultDpiIndicators[kDpiIndicatorCount] = {1, 2, 3, 4, 4, 5, 5, 6, 6, 0};
constexpr int32_t kDefaultColorFlags[kColorCount] = {1, 1, 1, 1, 1, 1, 1, 0};
// 0x00BBGGRR: red, green, blue, magenta.
constexpr int32_t kDefaultDpiColors[kDpiColorCount] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFF00FF};
// Red, green, blue, yellow, magenta, cyan, white, orange.
constexpr int32_t kDefaultColors[kColorCount] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                                                 0xFF00FF, 0xFFFF00, 0xFFFFFF, 0x0080FF};

void ResetSlots(ProfileRecord& record) {
    std::memset(record.Buttons, 0, sizeof record.Buttons);
    for (int s = 0; s < kSlotCount; ++s) {
        record.Buttons[s].Slot = static_cast<uint8_t>(s);
        record.Buttons[s].Function = fn::DefaultFunction(s);
    }
}

} // namespace

void CreateImage(SharedSettingsBlock& image) {
    image.CurrentProfile = -1;
    image.MouseType = 0;
    image.LedType = 0;
}

void ResetAllProfiles(SharedSettingsBlock& image) {
    image.CurrentProfile = 0;
    for (int n = 0; n < kProfileCount; ++n)
        ResetProfile(image.Profiles[n], n);
}

std::string DefaultProfileName(int index) {
    return "Default" + std::to_string(index + 1);
}

void ResetProfile(ProfileRecord& r, int index) {
    SetTextField(r.ProFileName, DefaultProfileName(index));
    SetTextField(r.GameFile, "");

    r.DbleClickSpeed = 500;
    r.ScrollWheelSpeed = 3;
    r.ScrollWheelFlag = 0;
    r.MouseSpeed = 10;
    r.Acceleration = 10;
    r.AccelerationFlag = 0;
    r.TiltSpeed = 3;
    r.MediaOption = 0;
    r.Orientation = 0;
    r.XYSynchronous = 1;
    r.Sensitivity_X = 5;
    r.Sensitivity_Y = 5;
    r.Sensitivity = 5;
    r.Cpi_X = 2;
    r.Cpi_Y = 0;
    r.XYCpiFlag = 1;
    std::copy(std::begin(kDefaultCpiLevels), std::end(kDefaultCpiLevels), r.CpiLevel_X);
    std::copy(std::begin(kDefaultCpiLevels), std::end(kDefaultCpiLevels), r.CpiLevel_Y);
    std::copy(std::begin(kDefaultDpiStepFlags), std::end(kDefaultDpiStepFlags), r.dpiStepFlag);
    std::copy(std::begin(kDefaultDpiIndicators), std::end(kDefaultDpiIndicators), r.dpiIndicator);
    r.DpiIndicationType = 1;
    r.ModeStatus = 1;
    r.Brightness = 10;
    r.BreathSpeed = 5;
    r.LoopColor = 1;
    r.CpiStep = 2;
    r.OTGSpeed = 10;
    r.PollingRate = 2;
    std::copy(std::begin(kDefaultColorFlags), std::end(kDefaultColorFlags), r.ColorFlag);
    r.LightSwitch = 2;
    r.LightType = 1;
    r.BTNDelay = 1;
    r.B2WSens = 0;
    r.W2BDelay = 0;
    r.B2TSens = 0;
    std::copy(std::begin(kDefaultDpiColors), std::end(kDefaultDpiColors), r.LedDPIColor);
    std::copy(std::begin(kDefaultColors), std::end(kDefaultColors), r.SLEDColor);
    ResetSlots(r);
}

void ResetButtonTable(ProfileRecord& record) {
    ResetSlots(record);
    for (ButtonAssignment& b : record.Buttons) {
        if (b.Function == fn::Key) {
            b.EventCount = 1;
            b.SetKey(33, 0);
        } else if (b.Function == fn::Fire) {
            b.FireCount = 0;
            b.FireInterval = 5;
        }
    }
}

namespace {

// A key or fire choice needs a key, a macro choice a macro; otherwise the slot
// falls back to its default code.
uint8_t EffectiveCode(int slot, const FunctionChoice& choice) {
    bool missing = ((choice.code == fn::Key || choice.code == fn::Fire) && choice.keyUsage == 0) ||
                   (choice.code == fn::Macro && choice.macroName == nullptr);
    return missing ? fn::DefaultFunction(slot) : choice.code;
}

} // namespace

void AssignFunction(ProfileRecord& record, int slot, const FunctionChoice& choice) {
    ButtonAssignment& b = record.Buttons[slot];
    std::memset(b.MacroName, 0, sizeof b.MacroName);
    const uint8_t code = EffectiveCode(slot, choice);

    if (code == fn::Key) {
        b.SetKey(choice.keyUsage, choice.keyModifiers);
        b.EventCount = 1;
    } else if (code == fn::Fire) {
        b.Events[0].code = choice.keyUsage;
        b.FireCount = choice.fireCount;
        b.FireInterval = choice.fireInterval;
        b.EventCount = 1;
    } else if (code == fn::Macro) {
        b.RunMode = choice.runMode;
        SetTextField(b.MacroName, choice.macroName);
        b.MacroRepeat = choice.macroRepeat;
        b.EventCount =
            static_cast<uint16_t>(std::clamp(choice.macroEventCount, 0, kMaxMacroEvents));
        std::memset(b.Events, 0, sizeof b.Events);
        if (choice.macroEvents)
            std::memcpy(b.Events, choice.macroEvents, sizeof b.Events);
    } else {
        b.EventCount = 0;
        std::memset(b.Events, 0, sizeof b.Events);
    }
    b.Function = code;
}

} // namespace mervik
