#pragma once
// What Monitor tells Option about the mouse: whether it is connected and
// whether it holds the settings Monitor has made current (message
// kMsgMouseStatus), and how far an upload is (kMsgUploadProgress). Both ends
// read and write the message parameters through these functions only. Any
// program may post to Option, so a pair that names no known status is refused.
#include <cstdint>
#include <optional>

namespace mervik {

enum class MouseHolding : uint8_t {
    Current = 1,  // the mouse holds the current settings
    Sending = 2,  // an upload of them is under way
    Retrying = 3, // an upload failed; the next try is waiting
    NotSent = 4,  // every try failed: the mouse keeps what it had
    Owed = 5,     // saved, and sent when the mouse is back
};

enum class NotSentReason : uint8_t {
    None = 0,
    Refused = 1,   // a transfer did not go through
    NoProfile = 2, // no current profile to send
};

struct MouseStatus {
    bool connected = false;
    MouseHolding holding = MouseHolding::Current;
    uint8_t tries = 0; // Sending: the try under way; Retrying and NotSent: the tries made
    NotSentReason reason = NotSentReason::None;
    bool operator==(const MouseStatus&) const = default;
};

// How many tries an upload gets while the mouse stays connected.
inline constexpr uint8_t kUploadTries = 4;

struct MouseStatusWords {
    uintptr_t wParam;
    intptr_t lParam;
};

// wParam: the holding, and 0x100 while the mouse is connected; lParam: the
// tries, and the reason in the next byte.
inline MouseStatusWords EncodeMouseStatus(const MouseStatus& status) {
    return {static_cast<uintptr_t>(status.holding) | (status.connected ? 0x100u : 0u),
            static_cast<intptr_t>(status.tries | static_cast<uint32_t>(status.reason) << 8)};
}

inline std::optional<MouseStatus> DecodeMouseStatus(uintptr_t wParam, intptr_t lParam) {
    const uintptr_t holding = wParam & 0xFF;
    const uintptr_t reason = (static_cast<uintptr_t>(lParam) >> 8) & 0xFF;
    if ((wParam & ~uintptr_t{0x1FF}) != 0 || (static_cast<uintptr_t>(lParam) & ~uintptr_t{0xFFFF}))
        return std::nullopt;
    if (holding < static_cast<uintptr_t>(MouseHolding::Current) ||
        holding > static_cast<uintptr_t>(MouseHolding::Owed) ||
        reason > static_cast<uintptr_t>(NotSentReason::NoProfile))
        return std::nullopt;
    MouseStatus status;
    status.connected = (wParam & 0x100) != 0;
    status.holding = static_cast<MouseHolding>(holding);
    status.tries = static_cast<uint8_t>(lParam & 0xFF);
    status.reason = static_cast<NotSentReason>(reason);
    return status;
}

// kMsgUploadProgress's wParam: percent of the upload done, 0 to 100; nothing
// for any other value.
inline std::optional<int> DecodeUploadPercent(uintptr_t wParam) {
    if (wParam > 100)
        return std::nullopt;
    return static_cast<int>(wParam);
}

} // namespace mervik
