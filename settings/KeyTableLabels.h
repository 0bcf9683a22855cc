#pragma once
// Button labels built from a slot's own key: the shortcut of a key slot and
// the fire text of a fire slot.
#include <string>
#include <string_view>

#include "settings/ButtonAssignment.h"

namespace mervik {

// Modifier prefixes followed by the key name ("Shift+Ctrl+F5"). Bit 0 of
// `modifiers` means no modifier and silences the other bits.
std::string KeyComboText(uint8_t usage, uint8_t modifiers);

// The label of a key slot; empty when the slot holds no key.
std::string ShortcutText(const ButtonAssignment& slot);

// The label of a fire slot: `fireText` (the language library's text for
// repeated firing), " + ", then the key name; empty when the slot holds no key.
std::string FireText(const ButtonAssignment& slot, std::string_view fireText);

} // namespace mervik
