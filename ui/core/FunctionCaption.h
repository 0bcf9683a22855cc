#pragma once
// The caption of a function button: what its slot does, in the user's words.
#include <string>

#include "settings/ButtonAssignment.h"
#include "ui/core/TextLookup.h"

namespace mervik::ui {

// A key slot shows its combination, a fire slot the fire text and its key, a
// macro slot the macro's name, a program slot the program's file name, the
// other codes their language text. A caption is never empty: a code without
// a text of its own, or a slot whose key, macro or program is missing, shows
// "Function N". A shown text (UTF-8): names are converted from the code page
// the records hold.
std::string FunctionCaption(const ButtonAssignment& slot, const TextLookup& text);

} // namespace mervik::ui
