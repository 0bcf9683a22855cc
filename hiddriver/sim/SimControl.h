#pragma once
// The simulated mouse's control commands, one text line in, one text reply
// out, as the control pipe carries them and mousesim sends them:
//
//   plug | unplug          the mouse arrives or is removed (change message)
//   dpi | rate             press the mouse's DPI or report-rate button (event message)
//   state                  JSON: presence, open interfaces, memory, counters, faults
//   log                    one transfer a line: "<microseconds> <transfer>[ ! <error>]"
//   clear-log              forget the log and the counters
//   fail N                 the next N transfers fail
//   vanish N               the mouse is removed after N more transfers
//   read normal|garbage|silent   how the 0x8B read is answered
//
// Replies end with a line end; a refused command replies "error: ...".
#include <string>
#include <string_view>

#include "hiddriver/sim/SimulatedMouse.h"

namespace mervik::sim {

std::string RunControlCommand(SimulatedMouse& mouse, std::string_view line);

std::string StateJson(const SimulatedMouse& mouse);
std::string LogText(const SimulatedMouse& mouse);

} // namespace mervik::sim
