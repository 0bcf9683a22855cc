#pragma once
// The key field of the key dialogs: the stored usage and the name shown for
// it. What is shown is what OK returns, so a key the key table does not know
// is never stored, neither from the slot nor from the keyboard.
#include <cstdint>
#include <optional>
#include <string>

namespace mervik::ui {

// What one key event from the capture did in the key field.
enum class CapturedStep {
    Taken,         // the field shows the key
    Unchanged,     // a key without a usage, or a release that changes nothing
    LeaveForward,  // Tab: the focus goes on to the next control
    LeaveBackward, // Shift+Tab: back to the one before
};

struct KeyField {
    uint8_t usage = 0; // 0: no key
    std::string text;

    // The field for a slot's stored usage; a usage without a key (0
    // included) gives the empty field and no key.
    static KeyField OfUsage(uint8_t usage);
    // Takes a key from the keyboard capture. A virtual-key code without a
    // usage changes nothing and gives false.
    bool TakeCaptured(int virtualKey);

    // One key event of the capture while the field has the focus. The
    // capture takes every key, so Tab is the field's way out rather than a
    // key to store; for Shift+Tab the Shift press, taken first, is undone.
    CapturedStep TakeCapturedEvent(int virtualKey, bool released);

private:
    struct Shown {
        uint8_t usage;
        std::string text;
    };
    std::optional<Shown> beforeShift_; // while a Shift press holds the field
};

} // namespace mervik::ui
