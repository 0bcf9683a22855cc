#include "ui/core/ProfileSwitchFollow.h"

#include <cstring>

namespace mervik::ui {

namespace {

template <typename T> bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A value the user has not changed since the last exchange takes Monitor's.
template <typename T> void TakeUnlessEdited(T& working, const T& applied, const T& fresh) {
    if (SameBytes(working, applied))
        working = fresh;
}

} // namespace

void FollowProfileSwitch(SharedSettingsBlock& working, const SharedSettingsBlock& applied,
                         const SharedSettingsBlock& fresh) {
    for (int i = 0; i < kProfileCount; ++i)
        TakeUnlessEdited(working.Profiles[i], applied.Profiles[i], fresh.Profiles[i]);
    TakeUnlessEdited(working.MouseType, applied.MouseType, fresh.MouseType);
    TakeUnlessEdited(working.LedType, applied.LedType, fresh.LedType);
    if (fresh.HasActiveProfile())
        working.CurrentProfile = fresh.CurrentProfile;
}

} // namespace mervik::ui
