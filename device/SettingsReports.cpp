#include "device/SettingsReports.h"

#include <iterator>

#include "protocol/ReportRate.h"

namespace mervik {

namespace {

uint8_t LowByte(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

struct Lighting {
    uint8_t mode, value, value2;
};

Lighting LightingOf(const ProfileRecord& p) {
    constexpr uint8_t kModeValue2 = 3; // modes 1 and 2 send a fixed second value
    switch (p.LightSwitch) {
    case 1:
        return {1, LowByte(p.Brightness), kModeValue2};
    case 2:
        return {2, LowByte(p.BreathSpeed), kModeValue2};
    case 3:
        return {3, LowByte(p.BreathSpeed), LowByte(p.LightType)};
    default:
        return {0, 0, 0};
    }
}

} // namespace

FeatureReport ReportIntervalReport(const ProfileRecord& profile) {
    return MakeFeatureReport(wire::kCmdReportInterval,
                             {wire::ReportIntervalMs(profile.PollingRate)});
}

FeatureReport FixedReport() {
    const auto& p = wire::kFixedReportParams;
    return MakeFeatureReport(wire::kCmdFixed, {p[0], p[1], p[2], p[3], p[4], p[5]});
}

FeatureReport LightingReport(const ProfileRecord& profile) {
    Lighting l = LightingOf(profile);
    return MakeFeatureReport(wire::kCmdLighting, {l.mode, l.value, l.value2});
}

FeatureReport ColoursReport() {
    return MakeFeatureReport(wire::kCmdColours, {wire::kColoursParams[0], wire::kColoursParams[1]});
}

ColourBlock BuildColourBlock(const ProfileRecord& profile) {
    ColourBlock block{};
    size_t at = 0;
    for (int k = 0; k < kColorCount; ++k) {
        if (profile.ColorFlag[k] == 0)
            continue;
        uint32_t bgr = static_cast<uint32_t>(profile.SLEDColor[k]);
        block[at++] = static_cast<uint8_t>(bgr);       // red
        block[at++] = static_cast<uint8_t>(bgr >> 8);  // green
        block[at++] = static_cast<uint8_t>(bgr >> 16); // blue
    }
    return block;
}

uint8_t DpiLevelCode(int32_t cpiLevel) {
    static constexpr uint8_t kCodes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                         0x07, 0x08, 0x25, 0x26, 0x27, 0x28};
    constexpr uint8_t kUnknownLevelCode = 0x06;
    if (cpiLevel < 1 || cpiLevel > static_cast<int32_t>(std::size(kCodes)))
        return kUnknownLevelCode;
    return kCodes[cpiLevel - 1];
}

FeatureReport DpiLevelsReport() {
    return MakeFeatureReport(wire::kCmdDpiLevels,
                             {wire::kDpiLevelsParams[0], wire::kDpiLevelsParams[1]});
}

DpiLevelBlock BuildDpiLevelBlock(const ProfileRecord& profile) {
    DpiLevelBlock block;
    block.fill(wire::kDpiLevelDisabled);
    uint8_t previous = 0;
    for (int j = 0; j < wire::kDpiLevelCount; ++j) {
        uint8_t code = profile.dpiStepFlag[j] != 0
                           ? DpiLevelCode(profile.CpiLevel_X[j])
                           : static_cast<uint8_t>(wire::kDpiLevelDisabled | previous);
        block[j] = code;
        previous = code & static_cast<uint8_t>(~wire::kDpiLevelDisabled);
    }
    return block;
}

FeatureReport ActiveDpiLevelReport(const ProfileRecord& profile) {
    uint8_t level = static_cast<uint8_t>(LowByte(profile.Cpi_X) + 1);
    return MakeFeatureReport(wire::kCmdActiveDpiLevel, {level, wire::kActiveDpiLevelLengthParam});
}

} // namespace mervik
