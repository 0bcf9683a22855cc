#pragma once
// A profile at its defaults, on the heap (a record is 33 KB).
#include <cstring>
#include <memory>

#include "settings/ProfileDefaults.h"

namespace mervik::testing {

inline std::unique_ptr<ProfileRecord> DefaultProfile(int index = 0) {
    auto profile = std::make_unique<ProfileRecord>();
    std::memset(profile.get(), 0, sizeof *profile);
    ResetProfile(*profile, index);
    return profile;
}

} // namespace mervik::testing
