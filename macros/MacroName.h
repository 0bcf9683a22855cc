#pragma once
// How macro names are shown and compared: menus and lookups ignore white space
// around a name and the case of its letters.
#include <string>
#include <string_view>

#include "macros/MacroRecord.h"

namespace mervik {

// The record's name without leading and trailing white space.
std::string TrimmedMacroName(const MacroRecord& record);
// The same for any text: a typed name, or a button's copy of one.
std::string TrimmedMacroName(std::string_view name);

// Case-insensitive equality of multibyte text, the one comparison of macro
// names. Only single-byte ASCII letters are folded: a byte 0x81..0xFE and the
// byte after it form one character of a double-byte code page and must match
// exactly. In a single-byte code page this only leaves a letter right after
// such a byte compared exactly; it never makes two different names equal.
bool SameMacroName(std::string_view a, std::string_view b);

// The form SameMacroName compares: two texts are the same name exactly when
// their keys are equal, so a set of keys finds a name among thousands at once.
std::string MacroNameKey(std::string_view name);

// The longest start of `name` within `maxBytes` that ends between two
// characters, never after the first byte of a pair.
std::string_view MacroNameStart(std::string_view name, size_t maxBytes);

// What a record keeps of a typed name: the name when it fits its field,
// otherwise as many whole characters (MacroNameStart) as the field holds. Every check of a new name
// is made on this, so two names that are cut to the same bytes are seen as the same.
std::string StoredMacroName(std::string_view name);

} // namespace mervik
