#include "tools/mervikctl/MonitorHandOver.h"

namespace mervik::tools {

HandOver HandProfileToMonitor(const std::string&, int) {
    return HandOver::NotRunning;
}

} // namespace mervik::tools
