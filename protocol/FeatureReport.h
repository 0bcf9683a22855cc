#pragma once
// One 8-byte feature report: a command, six parameters and a checksum that
// makes all eight bytes add up to 0xFF.
#include <array>
#include <cstdint>
#include <initializer_list>

#include "protocol/DeviceReports.h"

namespace mervik {

using FeatureReport = std::array<uint8_t, wire::kFeatureReportSize>;

// The checksum byte for bytes 0..6 of `report`.
uint8_t ReportChecksum(const FeatureReport& report);

bool HasValidChecksum(const FeatureReport& report);

// A report with `command`, the given parameters from byte 1 on (at most six,
// the rest 0) and its checksum.
FeatureReport MakeFeatureReport(uint8_t command, std::initializer_list<uint8_t> params = {});

} // namespace mervik
