#pragma once
// mousesim's side of the control channel: one command, one reply.
#include <optional>
#include <string>

namespace mervik::sim {

// Nothing when no simulated mouse serves `pipeName` within the time-out.
std::optional<std::string> SendControlCommand(const std::string& pipeName,
                                              const std::string& command,
                                              unsigned long timeoutMs = 5000);

} // namespace mervik::sim
