#pragma once
// Handing a change to a running Monitor, so that it takes effect at once
// rather than at Monitor's next start. Only on Windows is there a Monitor to
// find; elsewhere it is never running.
#include <string>

#include "settings/SharedSettingsBlock.h"

namespace mervik::tools {

enum class HandOver {
    NotRunning,   // no Monitor, or one that serves another program folder
    HandedOver,   // the shared block holds the profile and Monitor was told
    BlockRefused, // Monitor runs for the folder but its block could not be changed
};

// `programFolder` with its trailing separator. Monitor switches to `profile`
// and uploads it (1224, as after Option's Apply).
HandOver HandProfileToMonitor(const std::string& programFolder, int profile);

// The name and program of profile `index` as `record` has them: Monitor
// re-reads the block (1226), so a new link counts for the next foreground
// program; nothing else of Monitor's profile changes and nothing is uploaded.
HandOver HandIdentityToMonitor(const std::string& programFolder, int index,
                               const ProfileRecord& record);

// Profile `index` whole, as an import wrote it: Monitor re-reads the block
// and tells an open Option (1226), then, when it is the current profile,
// uploads it (1224).
HandOver HandImportedProfileToMonitor(const std::string& programFolder, int index,
                                      const ProfileRecord& record);

// The five profiles and the current one, as a restore wrote them: Monitor
// re-reads the block, tells an open Option and uploads the current profile
// (1224 alone when the current profile is another one, a switch; else 1226,
// then 1224).
HandOver HandRestoredImageToMonitor(const std::string& programFolder,
                                    const SharedSettingsBlock& image);

} // namespace mervik::tools
