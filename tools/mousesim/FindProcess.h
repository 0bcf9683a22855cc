#pragma once
// The process whose simulated mouse mousesim talks to, when none is named.
#include <optional>
#include <string>

namespace mervik::tools {

// The id of the only running process with this executable name (compared
// without regard to case); nothing when there is none or more than one.
std::optional<unsigned long> OnlyProcessNamed(const std::string& exeName);

} // namespace mervik::tools
