#pragma once
// Every key of a profile file with the field it holds, in the order in which
// the save routine writes them. The reader, the writer and the tools all walk
// this one list, so a key cannot be written under one name and read under another.
#include <string>
#include <string_view>

#include "settings/ProfileRecord.h"

namespace mervik {

// "CpiLevel_X" and 2 give "CpiLevel_X2".
inline std::string IndexedKey(std::string_view stem, int n) {
    return std::string(stem) + std::to_string(n);
}

// Calls, for each key in save order, one of:
//   v.Text(key, char-array field)
//   v.Int(key, int32_t field)
//   v.Byte(key, uint8_t field, legacy key or "")  written as 0..255, read as
//       the low 8 bits; the legacy key is a second name readers may know
//   v.Slot(key, ButtonAssignment, slot number)     a structure value
// `Record` is ProfileRecord or const ProfileRecord.
template <class Record, class Visitor> void ForEachProfileKey(Record& r, Visitor& v) {
    v.Text("ProFileName", r.ProFileName);
    v.Text("GameFile", r.GameFile);
    v.Int("DbleClickSpeed", r.DbleClickSpeed);
    v.Int("ScrollWheelSpeed", r.ScrollWheelSpeed);
    v.Int("ScrollWheelFlag", r.ScrollWheelFlag);
    v.Int("MouseSpeed", r.MouseSpeed);
    v.Int("Acceleration", r.Acceleration);
    v.Int("AccelerationFlag", r.AccelerationFlag);
    v.Int("TiltSpeed", r.TiltSpeed);
    v.Int("MediaOption", r.MediaOption);
    v.Int("Orientation", r.Orientation);
    v.Int("LightSwitch", r.LightSwitch);
    v.Int("LightType", r.LightType);
    v.Int("ColorOptions", r.ColorOptions);
    v.Int("XYSynchronous", r.XYSynchronous);
    v.Int("Sensitivity_X", r.Sensitivity_X);
    v.Int("Sensitivity_Y", r.Sensitivity_Y);
    v.Int("Sensitivity", r.Sensitivity);
    v.Int("Cpi_X", r.Cpi_X);
    v.Int("Cpi_Y", r.Cpi_Y);
    v.Int("XYCpiFlag", r.XYCpiFlag);
    for (int n = 0; n < kDpiStageCount; ++n)
        v.Int(IndexedKey("CpiLevel_X", n), r.CpiLevel_X[n]);
    for (int n = 0; n < kDpiStageCount; ++n)
        v.Int(IndexedKey("CpiLevel_Y", n), r.CpiLevel_Y[n]);
    v.Int("CpiStep", r.CpiStep);
    v.Int("OTGSpeed", r.OTGSpeed);
    v.Int("PollingRate", r.PollingRate);
    v.Int("Brightness", r.Brightness);
    v.Int("BreathSpeed", r.BreathSpeed);
    v.Int("LoopColor", r.LoopColor);
    v.Int("BTNDelay", r.BTNDelay);
    v.Int("B2WSens", r.B2WSens);
    v.Int("W2BDelay", r.W2BDelay);
    v.Int("B2TSens", r.B2TSens);
    v.Int("LedColor", r.LedColor);
    v.Int("LedLPColor", r.LedLPColor);
    v.Byte("ModeStatus", r.ModeStatus, "");
    for (int n = 0; n < kDpiColorCount; ++n)
        v.Int(IndexedKey("LedDPIColor", n), r.LedDPIColor[n]);
    for (int n = 0; n < kColorCount; ++n)
        v.Int(IndexedKey("8SLEDColor", n), r.SLEDColor[n]);
    for (int n = 0; n < kColorCount; ++n)
        v.Int(IndexedKey("ColorFlag", n), r.ColorFlag[n]);
    for (int n = 0; n < kDpiStepFlagCount; ++n)
        v.Int(IndexedKey("dpiStepFlag", n), r.dpiStepFlag[n]);
    // Files may also carry the indicators as dpibyDpiIndicator%d; that name is
    // only read, and only where the written one is absent.
    for (int n = 0; n < kDpiIndicatorCount; ++n)
        v.Byte(IndexedKey("dpiIndicator", n), r.dpiIndicator[n],
               IndexedKey("dpibyDpiIndicator", n));
    v.Byte("DpiIndicationType", r.DpiIndicationType, "");
    for (int n = 0; n < kSlotCount; ++n)
        v.Slot(IndexedKey("MacroKeyInfo", n), r.Buttons[n], n);
}

} // namespace mervik
