#pragma once
// mousesim's command line, checked before anything is sent: wrong usage is
// told in one line and exits 2, as mervikctl does, apart from a command the
// simulated mouse refuses (1) and a process without one (3).
#include <string>
#include <vector>

namespace mervik::tools {

struct MousesimRequest {
    enum class Kind { Help, Send, Usage };
    Kind kind = Kind::Usage;
    unsigned long pid = 0; // 0: the only running Monitor.exe
    std::string command;   // the control line to send
    std::string problem;   // what was wrong, for Usage
};

// `args` are the arguments after the program's name.
MousesimRequest ReadMousesimArguments(const std::vector<std::string>& args);

} // namespace mervik::tools
