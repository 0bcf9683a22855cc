#pragma once
// What the macro page says about the selected macro's fit in the mouse: how
// much of its bank the steps take or, for a macro the encoder has to cut,
// which steps the mouse will not get. The sizes are the encoder's own.
#include <span>
#include <string>
#include <string_view>

#include "settings/MacroEvent.h"

namespace mervik::ui {

// The language library's sentences; "%1" and "%2" stand for the numbers.
struct BankMeterTexts {
    std::string fits;    // "%1 of %2 bytes": bytes used, bank size
    std::string tooLong; // "too long: steps %1 to %2 are not stored"
};

std::string BankMeterText(std::span<const MacroEvent> events, const BankMeterTexts& texts);

} // namespace mervik::ui
