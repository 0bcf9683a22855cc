#pragma once
// The driver's control device, through which input reports reach the read
// hidclass keeps pending on a collection.
#include <string>

#include "tests/hiddriver/virtual/MouseBridge.h"

namespace mervik::vmouse {

// False with `error` set when the driver did not take the report.
bool SendInput(const InputReport& input, std::string& error);

} // namespace mervik::vmouse
