#include "service/core/BoundaryCheck.h"

#include <string>
#include <vector>

#include "settings/ProfileRanges.h"

namespace mervik {

void CheckedAtTheBoundary(ProfileRecord& profile, const char* boundary, TraceSink& trace) {
    const std::vector<std::string> reset = RepairProfileRanges(profile);
    if (reset.empty())
        return;
    std::string line = std::string("Out of range before the ") + boundary + ", default used:";
    for (const std::string& key : reset)
        line += " " + key;
    trace.Trace(line + "\n");
}

} // namespace mervik
