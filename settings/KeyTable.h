#pragma once
// Keys are captured as Windows virtual-key codes, stored as HID keyboard usages
// (plus the mouse button codes 240..244, which map to themselves) and shown by
// short English names. This table is the one place where the three meet.
#include <cstdint>
#include <span>
#include <string_view>

namespace mervik {

struct KeyPair {
    uint8_t virtualKey;
    uint8_t usage;
};

constexpr int kKeyPairCount = 109;

// Every pair, in search order: lookups take the first match either way.
std::span<const KeyPair> KeyPairs();

// The usage stored for a virtual-key code. When the code has no pair, `usage`
// is left as it was and the result is false.
bool UsageOfKey(int virtualKey, uint8_t& usage);

// The virtual-key code of a stored usage. When the usage has no pair,
// `virtualKey` is left as it was and the result is false.
bool KeyOfUsage(int usage, int& virtualKey);

// The name shown for a virtual-key code; empty for codes without a name.
std::string_view KeyName(int virtualKey);

// The name shown for a stored usage; empty when the usage has no pair.
std::string_view KeyNameOfUsage(int usage);

} // namespace mervik
