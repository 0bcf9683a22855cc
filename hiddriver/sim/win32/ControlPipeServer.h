#pragma once
// Serves the control channel: one client at a time sends one command line as
// a message and gets one reply message back.
#include <functional>
#include <string>
#include <string_view>

#include "hiddriver/win32/LibraryThread.h"

namespace mervik::sim {

class ControlPipeServer {
public:
    using Handler = std::function<std::string(std::string_view command)>;

    // False when the pipe cannot be served, e.g. its name is taken.
    bool Start(const std::string& pipeName, Handler handler);
    void Stop() { thread_.Stop(); }

private:
    win::LibraryThread thread_;
};

} // namespace mervik::sim
