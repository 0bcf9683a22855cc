#include "hiddriver/core/ReportFraming.h"

#include <algorithm>

namespace mervik::hid {

std::optional<std::vector<uint8_t>> FrameReport(std::span<const uint8_t> data, uint8_t reportId,
                                                size_t length) {
    if (data.size() + 1 > length)
        return std::nullopt;
    std::vector<uint8_t> framed(length, 0);
    framed[0] = reportId;
    std::copy(data.begin(), data.end(), framed.begin() + 1);
    return framed;
}

std::optional<std::span<const uint8_t>> ReportBody(std::span<const uint8_t> report,
                                                   uint8_t reportId) {
    if (report.empty() || report[0] != reportId)
        return std::nullopt;
    return report.subspan(1);
}

} // namespace mervik::hid
