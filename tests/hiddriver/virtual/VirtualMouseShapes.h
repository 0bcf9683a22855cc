#pragma once
// The shapes the virtual mouse can take: each a plausible report descriptor
// of a mouse of this kind, as one or two HID collections. Each collection is
// one root-enumerated device (Wine's hidclass gives a device one collection),
// named after the mouse's vendor and product so its path looks as Windows
// names a collection of a composite mouse.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mervik::vmouse {

using Bytes = std::vector<uint8_t>;

struct VirtualCollection {
    std::string key;        // its hardware id, which the driver names it by
    std::string instanceId; // its device instance id
    Bytes descriptor;
    // What the mouse answers on it: bytes behind the report id, 0 for none.
    size_t featureBytes = 0;
    size_t outputBytes = 0;
    size_t inputBytes = 0; // events, when the collection is not the pointer
    uint8_t featureId = 0;
    uint8_t outputId = 0;
    uint8_t inputId = 0;
    bool pointer = false; // the system's own: it reports motion, not events
};

struct VirtualShape {
    std::string name;
    std::string summary;
    std::vector<VirtualCollection> collections;
};

const std::vector<VirtualShape>& Shapes();
// Nothing for an unknown name.
const VirtualShape* ShapeNamed(std::string_view name);

} // namespace mervik::vmouse
