#pragma once
// The five modifier buttons of the shortcut dialog and the KeyModifiers byte
// they stand for: button i is bit (1 << i). Button 0 means "no modifier"; while
// it is pressed the other four count for nothing and cannot be used.
#include <array>
#include <cstdint>

namespace mervik::ui {

constexpr int kModifierButtons = 5;

struct ModifierStates {
    std::array<bool, kModifierButtons> pressed{};

    static ModifierStates FromByte(uint8_t modifiers);
    // The byte to store: the pressed buttons' bits, or the no-modifier bit
    // alone while button 0 is pressed.
    uint8_t Byte() const;
    bool Enabled(int button) const { return button == 0 || !pressed[0]; }
};

} // namespace mervik::ui
