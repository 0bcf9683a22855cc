#pragma once
// The settings image: what the shared block carries and what each program keeps
// as its working copy. No header besides the three integers.
#include "settings/ProfileRecord.h"

namespace mervik {

struct SharedSettingsBlock {
    int32_t CurrentProfile; // 0..4, -1 in a fresh image
    ProfileRecord Profiles[kProfileCount];
    int32_t MouseType;
    int32_t LedType;

    // Anything read from another process or a file may hold any index.
    bool HasActiveProfile() const { return CurrentProfile >= 0 && CurrentProfile < kProfileCount; }
    ProfileRecord* ActiveProfile() {
        return HasActiveProfile() ? &Profiles[CurrentProfile] : nullptr;
    }
    const ProfileRecord* ActiveProfile() const {
        return HasActiveProfile() ? &Profiles[CurrentProfile] : nullptr;
    }
};

static_assert(sizeof(SharedSettingsBlock) == 166532);
static_assert(offsetof(SharedSettingsBlock, Profiles) == 4);
static_assert(offsetof(SharedSettingsBlock, MouseType) == 166524);
static_assert(offsetof(SharedSettingsBlock, LedType) == 166528);

} // namespace mervik
