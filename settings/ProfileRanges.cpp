#include "settings/ProfileRanges.h"

#include <cstring>

#include "settings/PointerSettings.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileKeys.h"

namespace mervik {

namespace {

struct Range {
    std::string_view key; // numbered keys by their stem: "CpiLevel_X" for CpiLevel_X0..5
    int32_t lowest, highest;
};

constexpr int32_t kHighestDpiLevelCode = 12; // 4000 DPI
constexpr int32_t kWhite = 0xFFFFFF;         // colours are 0x00BBGGRR

constexpr Range kRanges[] = {
    {"DbleClickSpeed", 1, 5000},  // ms; the system takes no longer double-click time
    {"ScrollWheelSpeed", 0, 100}, // lines a notch, 0 while a notch scrolls a screen
    {"ScrollWheelFlag", 0, 1},
    {"MouseSpeed", 1, 20},
    {"Acceleration", 0, kAccelerationRows - 1},
    {"AccelerationFlag", 0, 1},
    {"Orientation", 0, 1},
    {"XYSynchronous", 0, 1},
    {"Sensitivity_X", 1, 20},
    {"Sensitivity_Y", 1, 20},
    {"Sensitivity", 1, 20}, // stands for both while they go together
    {"Cpi_X", 0, kDpiStageCount - 1},
    {"Cpi_Y", 0, kDpiStageCount - 1},
    {"XYCpiFlag", 0, 1},
    {"CpiLevel_X", 1, kHighestDpiLevelCode},
    {"CpiLevel_Y", 1, kHighestDpiLevelCode},
    {"PollingRate", 0, 3},
    {"LightSwitch", 0, 3},
    {"LedColor", 0, kWhite},
    {"LedLPColor", 0, kWhite},
    {"ModeStatus", 1, 2},
    {"LedDPIColor", 0, kWhite},
    {"8SLEDColor", 0, kWhite},
    {"dpiStepFlag", 0, 1},
};

const Range* RangeOf(std::string_view key) {
    const size_t stem = key.find_last_not_of("0123456789") + 1;
    for (const Range& range : kRanges)
        if (range.key == key.substr(0, stem))
            return &range;
    return nullptr;
}

// ColorOptions, LedColor and LedLPColor keep their values through
// ResetProfile; in a new record they are 0, and that is their default.
const ProfileRecord& DefaultProfile() {
    static const ProfileRecord defaults = [] {
        ProfileRecord record;
        std::memset(&record, 0, sizeof record);
        ResetProfile(record, 0);
        return record;
    }();
    return defaults;
}

// Walks the profile's keys (ForEachProfileKey) and sets back what is out of range.
class RangeRepair {
public:
    explicit RangeRepair(ProfileRecord& record) : record_(record) {}

    template <size_t N> void Text(std::string_view, char (&)[N]) {}
    void Int(std::string_view key, int32_t& field) { Check(key, field); }
    void Byte(std::string_view key, uint8_t& field, std::string_view) { Check(key, field); }
    void Slot(std::string_view, ButtonAssignment&, int) {}

    std::vector<std::string> Reset() && { return std::move(reset_); }

private:
    template <class T> void Check(std::string_view key, T& field) {
        const Range* range = RangeOf(key);
        if (!range || (field >= range->lowest && field <= range->highest))
            return;
        // The same field of the default record: the layout is fixed.
        const auto offset =
            reinterpret_cast<const char*>(&field) - reinterpret_cast<const char*>(&record_);
        std::memcpy(&field, reinterpret_cast<const char*>(&DefaultProfile()) + offset,
                    sizeof field);
        reset_.emplace_back(key);
    }

    ProfileRecord& record_;
    std::vector<std::string> reset_;
};

} // namespace

std::vector<std::string> RepairProfileRanges(ProfileRecord& record) {
    RangeRepair repair(record);
    ForEachProfileKey(record, repair);
    return std::move(repair).Reset();
}

} // namespace mervik
