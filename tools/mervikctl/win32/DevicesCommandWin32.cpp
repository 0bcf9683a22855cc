#include "hiddriver/win32/HidInterfaces.h"
#include "protocol/DeviceIds.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/DevicesReport.h"

namespace mervik::tools {

int DevicesCommand(const Arguments& args, Streams io) {
    const bool json = args.size() == 1 && args[0] == "--json";
    if (!(args.empty() || json))
        return kExitUsage;
    const auto collections = hid::FindHidCollections(kMouseVendorId, kMouseProductId);
    if (json)
        WriteDevicesJson(io.out, collections);
    else
        WriteDevicesText(io.out, collections);
    return kExitOk;
}

} // namespace mervik::tools
