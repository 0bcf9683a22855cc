#pragma once
// The simulated mouse behind the virtual mouse's collections: it turns what
// the driver hands over (requests as hidclass gives them, framed as the shape
// says) into the simulated mouse's transfers, and the mouse's events into the
// input reports of the collection that carries them. A real mouse's firmware
// knows how long an announced block is, so output reports, padded to the
// collection's length, reach the mouse cut back to that length.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "hiddriver/sim/SimulatedMouse.h"
#include "tests/hiddriver/virtual/VirtualMouseShapes.h"
#include "tests/hiddriver/virtual/VirtualMouseWire.h"

namespace mervik::vmouse {

struct BridgeReply {
    int32_t status = VMOUSE_STATUS_SUCCESS;
    Bytes data;
    // The mouse does not answer: the reply is held back as long as a USB
    // stack waits for a control transfer before it gives up.
    bool late = false;
};

struct InputReport {
    std::string key;
    Bytes data; // as ReadFile returns it, without report id 0
};

class MouseBridge {
public:
    MouseBridge(sim::SimulatedMouse& mouse, const VirtualShape& shape)
        : mouse_(mouse), shape_(shape) {}

    BridgeReply Answer(uint32_t kind, std::string_view device, uint8_t reportId,
                       std::span<const uint8_t> data);

    // The input report a notification becomes; nothing for arrival and
    // removal, which are the devices' own.
    std::optional<InputReport> InputFor(const sim::Notification& n) const;

private:
    const VirtualCollection* Collection(std::string_view key) const;
    BridgeReply SetFeature(const VirtualCollection& c, std::span<const uint8_t> body);
    BridgeReply GetFeature(const VirtualCollection& c, std::span<const uint8_t> body);
    BridgeReply Write(const VirtualCollection& c, std::span<const uint8_t> body);

    sim::SimulatedMouse& mouse_;
    const VirtualShape& shape_;
};

} // namespace mervik::vmouse
