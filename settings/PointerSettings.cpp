#include "settings/PointerSettings.h"

#include <cstdlib>
#include <string>

namespace mervik {

const AccelerationRow kAccelerationTable[kAccelerationRows] = {
    {0, 0, 0},  {1, 13, 0}, {1, 12, 0}, {1, 11, 0}, {1, 10, 0}, {1, 9, 0},  {1, 8, 0},
    {1, 7, 0},  {1, 6, 0},  {1, 5, 0},  {1, 4, 0},  {2, 4, 13}, {2, 4, 12}, {2, 4, 11},
    {2, 4, 10}, {2, 4, 9},  {2, 4, 8},  {2, 4, 7},  {2, 4, 6},  {2, 4, 5},
};

namespace {

constexpr const char* kDoubleClickSpeed = "DoubleClickSpeed";
constexpr const char* kMouseSensitivity = "MouseSensitivity";
constexpr const char* kMouseSpeed = "MouseSpeed";
constexpr const char* kMouseThreshold1 = "MouseThreshold1";
constexpr const char* kMouseThreshold2 = "MouseThreshold2";
constexpr const char* kWheelScrollLines = "WheelScrollLines";
constexpr const char* kWheelScrollsPage = "-1";
// Rows from this one on count as acceleration switched on.
constexpr int kFirstAcceleratedRow = 4;

// Like the C library's conversion: leading digits count, anything else is 0.
int NumberOf(const std::string& text) {
    return std::atoi(text.c_str());
}

// Reads one value; a missing value leaves `field` as it was.
void ReadInto(RegistryStore& registry, RegistryKey key, const char* name, int32_t& field) {
    if (auto text = registry.ReadText(key, name))
        field = NumberOf(*text);
}

int MatchingRow(int speed, int threshold1, int threshold2, int current) {
    int row = current;
    for (int r = 0; r < kAccelerationRows; ++r) {
        const AccelerationRow& a = kAccelerationTable[r];
        if (a.speed == speed && threshold1 <= a.threshold1 && threshold2 <= a.threshold2)
            row = r;
    }
    return row;
}

} // namespace

int AccelerationRowOf(const ProfileRecord& record) {
    if (record.AccelerationFlag == 0 || record.Acceleration < 0)
        return 0;
    return record.Acceleration < kAccelerationRows ? record.Acceleration : kAccelerationRows - 1;
}

int WritePointerSettings(const ProfileRecord& record, RegistryStore& registry) {
    using K = RegistryKey;
    if (!registry.OpenKey(K::Mouse))
        return -1;
    const AccelerationRow& row = kAccelerationTable[AccelerationRowOf(record)];
    bool ok =
        registry.WriteText(K::Mouse, kDoubleClickSpeed, std::to_string(record.DbleClickSpeed));
    ok &= registry.WriteText(K::Mouse, kMouseSensitivity, std::to_string(record.MouseSpeed));
    ok &= registry.WriteText(K::Mouse, kMouseSpeed, std::to_string(row.speed));
    ok &= registry.WriteText(K::Mouse, kMouseThreshold1, std::to_string(row.threshold1));
    ok &= registry.WriteText(K::Mouse, kMouseThreshold2, std::to_string(row.threshold2));

    if (!registry.OpenKey(K::Desktop))
        return -1;
    std::string lines =
        record.ScrollWheelFlag == 1 ? kWheelScrollsPage : std::to_string(record.ScrollWheelSpeed);
    ok &= registry.WriteText(K::Desktop, kWheelScrollLines, lines);
    return ok ? 1 : -1;
}

int ReadPointerSettings(ProfileRecord& record, RegistryStore& registry) {
    using K = RegistryKey;
    if (!registry.OpenKey(K::Mouse))
        return 0;
    ReadInto(registry, K::Mouse, kDoubleClickSpeed, record.DbleClickSpeed);
    ReadInto(registry, K::Mouse, kMouseSensitivity, record.MouseSpeed);
    auto speed = registry.ReadText(K::Mouse, kMouseSpeed);
    auto t1 = registry.ReadText(K::Mouse, kMouseThreshold1);
    auto t2 = registry.ReadText(K::Mouse, kMouseThreshold2);
    // Without all three values there is no row to match: keep the profile's.
    if (speed && t1 && t2)
        record.Acceleration =
            MatchingRow(NumberOf(*speed), NumberOf(*t1), NumberOf(*t2), record.Acceleration);
    record.AccelerationFlag = record.Acceleration >= kFirstAcceleratedRow ? 1 : 0;

    if (!registry.OpenKey(K::Desktop))
        return -1;
    if (auto lines = registry.ReadText(K::Desktop, kWheelScrollLines)) {
        if (*lines == kWheelScrollsPage) {
            record.ScrollWheelSpeed = 0;
            record.ScrollWheelFlag = 1;
        } else {
            record.ScrollWheelSpeed = NumberOf(*lines);
            record.ScrollWheelFlag = 0;
        }
    }
    return 1;
}

} // namespace mervik
