#pragma once
// The simulated mouse lives in the process that loaded the simulated
// hiddriver.dll (Monitor, or a test). That process serves its control channel
// on the named pipe \\.\pipe\mervik-mousesim-<process id>, so several
// simulated mice on one machine never answer for each other.
#include <string>

namespace mervik::sim {

inline std::string ControlPipeName(unsigned long processId) {
    return "\\\\.\\pipe\\mervik-mousesim-" + std::to_string(processId);
}

} // namespace mervik::sim
