#pragma once
// The on-screen display's settings record, kept by the display program in the
// configuration file. The suite only reads it; the four values it uses are
// named here, the rest is carried unread.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace mervik {

constexpr size_t kOsdSettingsSize = 348;

struct OsdSettings {
    uint8_t bytes[kOsdSettingsSize] = {};

    int32_t ProfileNoticeFlag() const { return Int32At(8); }
    int32_t DpiNoticeFlag() const { return Int32At(24); }
    int16_t NoticeX() const { return Int16At(32); }
    int16_t NoticeY() const { return Int16At(36); }

private:
    // Little-endian, as the record is stored.
    int32_t Int32At(size_t offset) const {
        return static_cast<int32_t>(static_cast<uint32_t>(bytes[offset]) |
                                    static_cast<uint32_t>(bytes[offset + 1]) << 8 |
                                    static_cast<uint32_t>(bytes[offset + 2]) << 16 |
                                    static_cast<uint32_t>(bytes[offset + 3]) << 24);
    }
    int16_t Int16At(size_t offset) const {
        return static_cast<int16_t>(bytes[offset] | bytes[offset + 1] << 8);
    }
};
static_assert(sizeof(OsdSettings) == kOsdSettingsSize);

} // namespace mervik
