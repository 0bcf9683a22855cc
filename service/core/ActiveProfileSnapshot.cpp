#include "service/core/ActiveProfileSnapshot.h"

#include <utility>

namespace mervik {

// The copy is made, and the one it replaces freed, outside the lock.
void ActiveProfileSnapshot::Publish(const SharedSettingsBlock& working, uint32_t readBacksTaken) {
    ProfileSnapshot fresh{nullptr, -1, readBacksTaken};
    if (const ProfileRecord* active = working.ActiveProfile()) {
        fresh.profile = std::make_shared<const ProfileRecord>(*active);
        fresh.index = working.CurrentProfile;
    }
    std::lock_guard lock(mutex_);
    std::swap(latest_, fresh);
}

ProfileSnapshot ActiveProfileSnapshot::Latest() const {
    std::lock_guard lock(mutex_);
    return latest_;
}

} // namespace mervik
