#pragma once
// How macro names are shown and compared: menus and lookups ignore white space
// around a name and the case of its letters.
#include <string>
#include <string_view>

#include "macros/MacroRecord.h"

namespace mervik {

// The record's name without leading and trailing white space.
std::string TrimmedMacroName(const MacroRecord& record);

// Case-insensitive equality. Only ASCII letters are folded; the code page of a
// name is not known here, so every other byte must match exactly.
bool SameMacroName(std::string_view a, std::string_view b);

} // namespace mervik
