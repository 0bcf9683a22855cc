#pragma once
// One profile: every setting of the mouse the suite keeps. Member names are the
// profile-file keys. The 33304 bytes are copied as they are between the
// programs, so every offset below is part of the format.
#include "settings/ButtonAssignment.h"

namespace mervik {

constexpr int kProfileCount = 5;
constexpr int kSlotCount = 64;
constexpr int kDpiStageCount = 6;
constexpr int kDpiStepFlagCount = 8;
constexpr int kDpiIndicatorCount = 10;
constexpr int kColorCount = 8;
constexpr int kDpiColorCount = 4;
constexpr int kProfileNameFieldSize = 250;
constexpr int kGameFileFieldSize = 502;

struct ProfileRecord {
    char ProFileName[kProfileNameFieldSize];
    char GameFile[kGameFileFieldSize];
    int32_t DbleClickSpeed;
    int32_t ScrollWheelSpeed;
    int32_t ScrollWheelFlag;
    int32_t MouseSpeed;
    int32_t Acceleration;
    int32_t AccelerationFlag;
    int32_t TiltSpeed;
    int32_t MediaOption;
    int32_t Orientation;
    int32_t XYSynchronous;
    int32_t Sensitivity_X;
    int32_t Sensitivity_Y;
    int32_t Sensitivity;
    int32_t Cpi_X;
    int32_t Cpi_Y;
    int32_t XYCpiFlag;
    int32_t CpiLevel_X[kDpiStageCount];
    int32_t CpiLevel_Y[kDpiStageCount];
    int32_t dpiStepFlag[kDpiStepFlagCount];
    uint8_t dpiIndicator[kDpiIndicatorCount];
    uint8_t DpiIndicationType;
    uint8_t ModeStatus;
    int32_t Brightness;
    int32_t BreathSpeed;
    int32_t LoopColor;
    int32_t CpiStep;
    int32_t OTGSpeed;
    int32_t PollingRate;
    int32_t ColorFlag[kColorCount];
    int32_t LightSwitch;
    int32_t LightType;
    int32_t ColorOptions;
    int32_t BTNDelay;
    int32_t B2WSens;
    int32_t W2BDelay;
    int32_t B2TSens;
    int32_t LedColor;
    int32_t LedLPColor;
    int32_t LedDPIColor[kDpiColorCount];
    int32_t SLEDColor[kColorCount]; // stored under the keys 8SLEDColor0..7
    ButtonAssignment Buttons[kSlotCount];
};

static_assert(sizeof(ProfileRecord) == 33304);
static_assert(offsetof(ProfileRecord, GameFile) == 250);
static_assert(offsetof(ProfileRecord, DbleClickSpeed) == 752);
static_assert(offsetof(ProfileRecord, Orientation) == 784);
static_assert(offsetof(ProfileRecord, Cpi_X) == 804);
static_assert(offsetof(ProfileRecord, XYCpiFlag) == 812);
static_assert(offsetof(ProfileRecord, CpiLevel_X) == 816);
static_assert(offsetof(ProfileRecord, CpiLevel_Y) == 840);
static_assert(offsetof(ProfileRecord, dpiStepFlag) == 864);
static_assert(offsetof(ProfileRecord, dpiIndicator) == 896);
static_assert(offsetof(ProfileRecord, DpiIndicationType) == 906);
static_assert(offsetof(ProfileRecord, ModeStatus) == 907);
static_assert(offsetof(ProfileRecord, Brightness) == 908);
static_assert(offsetof(ProfileRecord, OTGSpeed) == 924);
static_assert(offsetof(ProfileRecord, PollingRate) == 928);
static_assert(offsetof(ProfileRecord, ColorFlag) == 932);
static_assert(offsetof(ProfileRecord, LightSwitch) == 964);
static_assert(offsetof(ProfileRecord, ColorOptions) == 972);
static_assert(offsetof(ProfileRecord, BTNDelay) == 976);
static_assert(offsetof(ProfileRecord, B2TSens) == 988);
static_assert(offsetof(ProfileRecord, LedColor) == 992);
static_assert(offsetof(ProfileRecord, LedLPColor) == 996);
static_assert(offsetof(ProfileRecord, LedDPIColor) == 1000);
static_assert(offsetof(ProfileRecord, SLEDColor) == 1016);
static_assert(offsetof(ProfileRecord, Buttons) == 1048);

} // namespace mervik
