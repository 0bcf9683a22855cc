#pragma once
// Serves the driver's round trips (VirtualMouseWire.h): a few pipe instances,
// each on its own thread, so a request never waits for a free one while
// another is answered.
#include <functional>

#include "tests/hiddriver/virtual/MouseBridge.h"

namespace mervik::vmouse {

using RequestHandler = std::function<BridgeReply(const vmouse_request&)>;

// How long a mouse that does not answer keeps the driver waiting, as a USB
// stack waits for a control transfer before it gives up.
inline constexpr unsigned kNoAnswerMs = 1500;

// False when the pipe cannot be created (another bridge serves it).
bool ServeDriverPipe(RequestHandler handler);

} // namespace mervik::vmouse
