#pragma once
// Handing a new current profile to a running Monitor, so that it switches
// (and reprograms the mouse) at once rather than at its next start. Only on
// Windows is there a Monitor to find; elsewhere it is never running.
#include <string>

namespace mervik::tools {

enum class HandOver {
    NotRunning,   // no Monitor, or one that serves another program folder
    HandedOver,   // the shared block holds the profile and Monitor was told
    BlockRefused, // Monitor runs for the folder but its block could not be changed
};

// `programFolder` with its trailing separator.
HandOver HandProfileToMonitor(const std::string& programFolder, int profile);

} // namespace mervik::tools
