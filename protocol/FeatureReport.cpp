#include "protocol/FeatureReport.h"

#include <cassert>

namespace mervik {

uint8_t ReportChecksum(const FeatureReport& report) {
    unsigned sum = 0;
    for (size_t i = 0; i < wire::kChecksumByte; ++i)
        sum += report[i];
    return static_cast<uint8_t>(wire::kChecksumTotal - sum);
}

bool HasValidChecksum(const FeatureReport& report) {
    return report[wire::kChecksumByte] == ReportChecksum(report);
}

FeatureReport MakeFeatureReport(uint8_t command, std::initializer_list<uint8_t> params) {
    assert(params.size() < wire::kChecksumByte);
    FeatureReport report{};
    report[0] = command;
    size_t i = 1;
    for (uint8_t p : params)
        report[i++] = p;
    report[wire::kChecksumByte] = ReportChecksum(report);
    return report;
}

} // namespace mervik
