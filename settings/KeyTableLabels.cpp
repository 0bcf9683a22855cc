#include "settings/KeyTableLabels.h"

#include "settings/KeyTable.h"

namespace mervik {

namespace {

struct ModifierPrefix {
    uint8_t bit;
    std::string_view text;
};

constexpr ModifierPrefix kPrefixes[] = {
    {ModShift, "Shift+"},
    {ModCtrl, "Ctrl+"},
    {ModAlt, "Alt+"},
    {ModWin, "Win+"},
};

constexpr std::string_view kFireSeparator = " + ";

} // namespace

std::string KeyComboText(uint8_t usage, uint8_t modifiers) {
    std::string text;
    if (!(modifiers & ModNone)) {
        for (const ModifierPrefix& p : kPrefixes) {
            if (modifiers & p.bit)
                text += p.text;
        }
    }
    text += KeyNameOfUsage(usage);
    return text;
}

std::string ShortcutText(const ButtonAssignment& slot) {
    if (slot.EventCount == 0)
        return {};
    return KeyComboText(slot.KeyUsage(), slot.KeyModifiers());
}

std::string FireText(const ButtonAssignment& slot, std::string_view fireText) {
    if (slot.EventCount == 0)
        return {};
    std::string text(fireText);
    text += kFireSeparator;
    text += KeyNameOfUsage(slot.KeyUsage());
    return text;
}

} // namespace mervik
