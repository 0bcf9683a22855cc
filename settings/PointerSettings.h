#pragma once
// A profile's pointer settings and the system's registry values, both ways.
#include "settings/ProfileRecord.h"
#include "settings/RegistryStore.h"

namespace mervik {

// One row of the acceleration table: the system's MouseSpeed, MouseThreshold1
// and MouseThreshold2.
struct AccelerationRow {
    int speed;
    int threshold1;
    int threshold2;
};
constexpr int kAccelerationRows = 20;
extern const AccelerationRow kAccelerationTable[kAccelerationRows];

// The row a profile applies: 0 when acceleration is off or the row is
// negative, at most the last row.
int AccelerationRowOf(const ProfileRecord& record);

// Writes the profile's values to the registry. 1 on success, -1 when a key
// cannot be opened (values written before stay written).
int WritePointerSettings(const ProfileRecord& record, RegistryStore& registry);

// Reads the registry into the profile. 1 on success; 0 when the mouse key
// cannot be opened (nothing changed), -1 when the desktop key cannot be opened.
// A missing value leaves its field unchanged.
int ReadPointerSettings(ProfileRecord& record, RegistryStore& registry);

} // namespace mervik
