#pragma once
// The on-screen display's settings record, kept in the configuration file.
// The display writes it with its defaults when there is none, Option edits
// it, Monitor reads it. Four values have a meaning; the rest of the 348 bytes
// is carried as it is.
#include <cstddef>
#include <cstdint>

namespace mervik {

constexpr size_t kOsdSettingsSize = 348;

// A flag is on when it holds exactly this; anything else is off.
constexpr int32_t kOsdFlagOn = 1;

// The notice's position is where in the screen's work area it stands, in
// thousandths of the area's width (x) and height (y): 0 the left or top edge,
// 1000 the right or bottom one. So it means the same place on every screen.
constexpr int16_t kOsdPositionScale = 1000;

struct OsdSettings {
    uint8_t bytes[kOsdSettingsSize] = {};

    int32_t ProfileNoticeFlag() const { return Int32At(kProfileFlagAt); }
    int32_t DpiNoticeFlag() const { return Int32At(kDpiFlagAt); }
    int16_t NoticeX() const { return Int16At(kXAt); }
    int16_t NoticeY() const { return Int16At(kYAt); }

    bool ShowsProfileNotices() const { return ProfileNoticeFlag() == kOsdFlagOn; }
    // The mouse's own buttons: its DPI level and its report rate.
    bool ShowsDpiNotices() const { return DpiNoticeFlag() == kOsdFlagOn; }

    void SetShowsProfileNotices(bool on) { SetInt32At(kProfileFlagAt, on ? kOsdFlagOn : 0); }
    void SetShowsDpiNotices(bool on) { SetInt32At(kDpiFlagAt, on ? kOsdFlagOn : 0); }
    void SetNoticePosition(int16_t x, int16_t y) {
        SetInt16At(kXAt, x);
        SetInt16At(kYAt, y);
    }

    bool operator==(const OsdSettings&) const = default;

private:
    static constexpr size_t kProfileFlagAt = 8;
    static constexpr size_t kDpiFlagAt = 24;
    static constexpr size_t kXAt = 32;
    static constexpr size_t kYAt = 36;

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
    void SetInt32At(size_t offset, int32_t value) {
        const auto v = static_cast<uint32_t>(value);
        for (size_t i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<uint8_t>(v >> (8 * i));
    }
    void SetInt16At(size_t offset, int16_t value) {
        const auto v = static_cast<uint16_t>(value);
        bytes[offset] = static_cast<uint8_t>(v);
        bytes[offset + 1] = static_cast<uint8_t>(v >> 8);
    }
};
static_assert(sizeof(OsdSettings) == kOsdSettingsSize);

// What the display writes when the file holds no record: profile and DPI
// notices on, at the bottom of the screen's middle.
inline OsdSettings DefaultOsdSettings() {
    OsdSettings settings;
    settings.SetShowsProfileNotices(true);
    settings.SetShowsDpiNotices(true);
    settings.SetNoticePosition(kOsdPositionScale / 2, kOsdPositionScale);
    return settings;
}

} // namespace mervik
