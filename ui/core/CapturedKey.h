#pragma once
// The key field of the key dialogs: the stored usage and the name shown for
// it. What is shown is what OK returns, so a key the key table does not know
// is never stored, neither from the slot nor from the keyboard.
#include <cstdint>
#include <string>

namespace mervik::ui {

struct KeyField {
    uint8_t usage = 0; // 0: no key
    std::string text;

    // The field for a slot's stored usage; a usage without a key (0
    // included) gives the empty field and no key.
    static KeyField OfUsage(uint8_t usage);
    // Takes a key from the keyboard capture. A virtual-key code without a
    // usage changes nothing and gives false.
    bool TakeCaptured(int virtualKey);
};

} // namespace mervik::ui
