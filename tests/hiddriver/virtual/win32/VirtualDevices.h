#pragma once
// The virtual mouse's devices, made and removed with SetupAPI as a device
// installer would: a root-enumerated device a collection, its hardware id
// naming the collection, the driver installed from our INF.
#include <string>

#include "tests/hiddriver/virtual/VirtualMouseShapes.h"

namespace mervik::vmouse {

class VirtualDevices {
public:
    explicit VirtualDevices(std::wstring infPath) : infPath_(std::move(infPath)) {}

    // False with `error` set when a SetupAPI step failed.
    bool Create(const VirtualCollection& c, std::string& error);
    bool Remove(const VirtualCollection& c, std::string& error);
    // Every virtual mouse device of the prefix, whatever shape made it.
    int RemoveAll();

private:
    std::wstring infPath_;
};

// The number of HID interfaces of the mouse's vendor and product present.
int PresentMouseCollections();

} // namespace mervik::vmouse
