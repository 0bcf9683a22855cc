#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

// The mouse's HID collections exist only on Windows.
int DevicesCommand(const Arguments& args, Streams io) {
    if (!CommandArguments::Read("devices", args, io.err))
        return kExitUsage;
    io.err << "mervikctl: devices lists the mouse's HID collections on Windows only\n";
    return kExitFailed;
}

} // namespace mervik::tools
