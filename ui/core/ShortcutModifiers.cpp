#include "ui/core/ShortcutModifiers.h"

#include "settings/ButtonAssignment.h"

namespace mervik::ui {

ModifierStates ModifierStates::FromByte(uint8_t modifiers) {
    ModifierStates states;
    for (int i = 0; i < kModifierButtons; ++i)
        states.pressed[i] = (modifiers & (1u << i)) != 0;
    return states;
}

uint8_t ModifierStates::Byte() const {
    if (pressed[0])
        return ModNone;
    uint8_t byte = 0;
    for (int i = 1; i < kModifierButtons; ++i)
        if (pressed[i])
            byte = static_cast<uint8_t>(byte | (1u << i));
    return byte;
}

} // namespace mervik::ui
