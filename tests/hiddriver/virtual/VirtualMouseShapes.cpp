#include "tests/hiddriver/virtual/VirtualMouseShapes.h"

namespace mervik::vmouse {

namespace {

constexpr char kDeviceId[] = "ROOT\\VID_1017&PID_8003";
constexpr char kKeyPrefix[] = "MERVIK\\VMOUSE&COL0";

struct Reports {
    size_t feature = 0, output = 0, input = 0;
    uint8_t featureId = 0, outputId = 0, inputId = 0;
};

void Report(Bytes& d, uint8_t main, uint8_t usage, size_t bytes, uint8_t id) {
    if (bytes == 0)
        return;
    if (id)
        d.insert(d.end(), {0x85, id}); // Report ID
    d.insert(d.end(), {0x95, static_cast<uint8_t>(bytes), 0x09, usage, main, 0x02});
}

// A vendor-defined application collection of byte-sized values.
Bytes VendorDescriptor(uint8_t usage, const Reports& r) {
    Bytes d{0x06, 0x00,  0xFF,                     // Usage Page (vendor 0xFF00)
            0x09, usage,                           // Usage
            0xA1, 0x01,                            // Collection (Application)
            0x15, 0x00,                            // Logical Minimum 0
            0x26, 0xFF,  0x00,                     // Logical Maximum 255
            0x75, 0x08};                           // Report Size 8
    Report(d, 0x81, 0x02, r.input, r.inputId);     // Input (Data, Var, Abs)
    Report(d, 0x91, 0x03, r.output, r.outputId);   // Output
    Report(d, 0xB1, 0x04, r.feature, r.featureId); // Feature
    d.push_back(0xC0);                             // End Collection
    return d;
}

// Three buttons and a wheel, as the system's mouse class reads them.
Bytes PointerDescriptor() {
    return {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19,
            0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02,
            0x95, 0x01, 0x75, 0x05, 0x81, 0x03, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09,
            0x38, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x03, 0x81, 0x06, 0xC0, 0xC0};
}

// `number` is 0 for a mouse of one collection, whose path carries no
// collection number, else 1 or 2.
VirtualCollection Vendor(int number, uint8_t usage, const Reports& r) {
    VirtualCollection c;
    const std::string suffix = number ? "&COL0" + std::to_string(number) : "";
    c.key = kKeyPrefix + std::to_string(number ? number : 1);
    c.instanceId = kDeviceId + suffix + "\\0000";
    c.descriptor = VendorDescriptor(usage, r);
    c.featureBytes = r.feature;
    c.outputBytes = r.output;
    c.inputBytes = r.input;
    c.featureId = r.featureId;
    c.outputId = r.outputId;
    c.inputId = r.inputId;
    return c;
}

VirtualCollection Pointer(int number) {
    VirtualCollection c;
    c.key = kKeyPrefix + std::to_string(number);
    c.instanceId = kDeviceId + std::string("&COL0") + std::to_string(number) + "\\0000";
    c.descriptor = PointerDescriptor();
    c.pointer = true;
    return c;
}

std::vector<VirtualShape> MakeShapes() {
    const Reports all{.feature = 8, .output = 32, .input = 4};
    return {
        {"vendor", "one vendor collection, report id 0", {Vendor(0, 1, all)}},
        {"pointer",
         "the pointer's own collection beside a vendor collection",
         {Pointer(1), Vendor(2, 1, all)}},
        {"split",
         "feature reports on one collection, output and events on another",
         {Vendor(1, 1, {.feature = 8}), Vendor(2, 2, {.output = 32, .input = 4})}},
        {"numbered",
         "numbered reports: feature 1, output 2, input 3",
         {Vendor(0, 1,
                 {.feature = 8,
                  .output = 32,
                  .input = 4,
                  .featureId = 1,
                  .outputId = 2,
                  .inputId = 3})}},
        {"padded",
         "an input report of 32 bytes, the event padded",
         {Vendor(0, 1, {.feature = 8, .output = 32, .input = 32})}},
    };
}

} // namespace

const std::vector<VirtualShape>& Shapes() {
    static const std::vector<VirtualShape> shapes = MakeShapes();
    return shapes;
}

const VirtualShape* ShapeNamed(std::string_view name) {
    for (const VirtualShape& s : Shapes())
        if (s.name == name)
            return &s;
    return nullptr;
}

} // namespace mervik::vmouse
