#pragma once
// Whatever entered unrepaired, no value outside its range reaches the system
// or the mouse: it takes its default, and the trace says which.
#include "service/core/MonitorPorts.h"
#include "settings/ProfileRecord.h"

namespace mervik {

// `boundary` names what the profile is about to reach ("upload").
void CheckedAtTheBoundary(ProfileRecord& profile, const char* boundary, TraceSink& trace);

} // namespace mervik
