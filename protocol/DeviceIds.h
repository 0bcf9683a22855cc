#pragma once
// The one mouse the suite drives. The service always selects it by these
// numbers, whatever config.ini says.
#include <cstdint>

namespace mervik {

inline constexpr uint16_t kMouseVendorId = 0x1017;
inline constexpr uint16_t kMouseProductId = 0x8003;

} // namespace mervik
