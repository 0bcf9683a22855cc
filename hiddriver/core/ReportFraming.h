#pragma once
// How our bytes travel in a collection's reports: the report id first (0 for
// a collection whose reports are not numbered, which the system wants all the
// same), then the bytes, then zeros up to the collection's report length.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace mervik::hid {

// Nothing when `data` and the id do not fit in `length` bytes.
std::optional<std::vector<uint8_t>> FrameReport(std::span<const uint8_t> data, uint8_t reportId,
                                                size_t length);

// The bytes behind the report id; nothing when the report is empty or
// carries another id.
std::optional<std::span<const uint8_t>> ReportBody(std::span<const uint8_t> report,
                                                   uint8_t reportId);

} // namespace mervik::hid
