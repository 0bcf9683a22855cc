#pragma once
// How macro names are shown and compared: menus and lookups ignore white space
// around a name and the case of its letters.
#include <string>
#include <string_view>

#include "macros/MacroRecord.h"

namespace mervik {

// The record's name without leading and trailing white space.
std::string TrimmedMacroName(const MacroRecord& record);

// Case-insensitive equality of multibyte text, the one comparison of macro
// names. Only single-byte ASCII letters are folded: a byte 0x81..0xFE and the
// byte after it form one character of a double-byte code page and must match
// exactly. In a single-byte code page this only leaves a letter right after
// such a byte compared exactly; it never makes two different names equal.
bool SameMacroName(std::string_view a, std::string_view b);

} // namespace mervik
