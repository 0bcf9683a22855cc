#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

// The mouse's HID collections exist only on Windows.
int DevicesCommand(const Arguments& args, Streams io) {
    if (!(args.empty() || (args.size() == 1 && args[0] == "--json")))
        return kExitUsage;
    io.err << "mervikctl: devices lists the mouse's HID collections on Windows only\n";
    return kExitFailed;
}

} // namespace mervik::tools
