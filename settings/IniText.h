#pragma once
// Character rules shared by the INI reader and writer: what counts as blank
// around names and values, and how names compare. They follow the platform's
// private-profile functions so files read the same through either.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace mervik::ini {

// Space, tab, CR, LF, VT, FF, and the old end-of-file mark Ctrl-Z.
constexpr bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

std::string_view Trim(std::string_view text);

// Position of the first CR or LF (or NUL, when `nulEndsLine`), npos when none.
// The cost is the distance to that position, never the rest of the text, so
// splitting a file into lines stays linear whatever its line ends.
size_t FindLineBreak(std::string_view text, bool nulEndsLine = false);

// Section and key names compare without regard to ASCII case.
bool NamesEqual(std::string_view a, std::string_view b);

// A hash of the name as names compare: names that are NamesEqual hash alike.
uint64_t NameHash(std::string_view name);

} // namespace mervik::ini
