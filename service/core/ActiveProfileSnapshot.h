#pragma once
// The current profile as the window's thread last left its working block, for
// the device worker's uploads. The window's thread publishes a whole copy after
// every change of the block; an upload takes the latest when it starts, so it
// sends the profile current by then and never one half replaced.
#include <cstdint>
#include <memory>
#include <mutex>

#include "settings/SharedSettingsBlock.h"

namespace mervik {

struct ProfileSnapshot {
    std::shared_ptr<const ProfileRecord> profile; // nothing: no active profile
    int index = -1;                               // its number among the five
    // The worker's read-back results the window's thread had taken by then;
    // the worker knows the levels of any later ones.
    uint32_t readBacksTaken = 0;
};

class ActiveProfileSnapshot {
public:
    void Publish(const SharedSettingsBlock& working, uint32_t readBacksTaken);
    ProfileSnapshot Latest() const;

private:
    mutable std::mutex mutex_;
    ProfileSnapshot latest_;
};

} // namespace mervik
