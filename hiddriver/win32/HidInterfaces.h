#pragma once
// The mouse's HID collections, found through SetupAPI's device-interface list
// and matched by vendor and product with HidD_GetAttributes, each described
// by the HID parser's capabilities. Describing needs no access rights, so a
// collection the system holds (the pointer itself) is listed too.
#include <cstdint>
#include <vector>

#include "hiddriver/core/HidCollection.h"

namespace mervik::hid {

std::vector<HidCollection> FindHidCollections(uint16_t vendorId, uint16_t productId);

} // namespace mervik::hid
