#include "hiddriver/win32/HidInterfaces.h"
#include "protocol/DeviceIds.h"
#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/DevicesReport.h"

namespace mervik::tools {

int DevicesCommand(const Arguments& args, Streams io) {
    const auto given = CommandArguments::Read("devices", args, io.err);
    if (!given)
        return kExitUsage;
    const bool json = given->Has("--json");
    const auto collections = hid::FindHidCollections(kMouseVendorId, kMouseProductId);
    if (json)
        WriteDevicesJson(io.out, collections);
    else
        WriteDevicesText(io.out, collections);
    return kExitOk;
}

} // namespace mervik::tools
