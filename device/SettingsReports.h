#pragma once
// The reports that carry a profile's settings other than its buttons: report
// interval, lighting, colours, DPI levels and the active level.
#include <array>
#include <cstdint>

#include "protocol/FeatureReport.h"
#include "settings/ProfileRecord.h"

namespace mervik {

using ColourBlock = std::array<uint8_t, wire::kColourBlockSize>;
using DpiLevelBlock = std::array<uint8_t, wire::kDpiBlockSize>;

FeatureReport ReportIntervalReport(const ProfileRecord& profile);

FeatureReport FixedReport();

FeatureReport LightingReport(const ProfileRecord& profile);

FeatureReport ColoursReport();
// Red, green, blue of each colour in use, packed from the start; the rest 0.
ColourBlock BuildColourBlock(const ProfileRecord& profile);

// The device code of a CpiLevel value; values without a code send 0x06.
uint8_t DpiLevelCode(int32_t cpiLevel);
FeatureReport DpiLevelsReport();
// One byte per stage; a stage out of use carries 0x80 over the code before it.
DpiLevelBlock BuildDpiLevelBlock(const ProfileRecord& profile);

FeatureReport ActiveDpiLevelReport(const ProfileRecord& profile);

} // namespace mervik
