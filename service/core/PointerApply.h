#pragma once
// A profile's pointer settings applied to the running system. The registry is
// only read here, except that acceleration the profile turned off is cleared
// there too, so that the system does not bring it back at the next sign-in.
#include "service/core/MonitorPorts.h"
#include "settings/ProfileRecord.h"
#include "settings/RegistryStore.h"

namespace mervik {

// `registry` is the open mouse key's store. May set `profile.Acceleration` to 0.
void ApplyPointerSettings(ProfileRecord& profile, RegistryStore& registry, PointerSystem& system);

} // namespace mervik
