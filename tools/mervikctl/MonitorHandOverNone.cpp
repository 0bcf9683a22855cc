#include "tools/mervikctl/MonitorHandOver.h"

namespace mervik::tools {

HandOver HandProfileToMonitor(const std::string&, int) {
    return HandOver::NotRunning;
}

HandOver HandIdentityToMonitor(const std::string&, int, const ProfileRecord&) {
    return HandOver::NotRunning;
}

HandOver HandImportedProfileToMonitor(const std::string&, int, const ProfileRecord&) {
    return HandOver::NotRunning;
}

HandOver HandRestoredImageToMonitor(const std::string&, const SharedSettingsBlock&) {
    return HandOver::NotRunning;
}

} // namespace mervik::tools
