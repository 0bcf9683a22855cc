#pragma once
// The notice text a companion program hands the service with WM_COPYDATA.
#include <cstdint>
#include <span>
#include <string>

namespace mervik {

inline constexpr size_t kNoticePayloadSize = 151; // byte 0 unused, 150 bytes of text

// The text of a payload: from byte 1 up to its terminating zero, or to the end
// of what was actually received when there is none within it.
std::string NoticeTextOf(std::span<const uint8_t> payload);

} // namespace mervik
