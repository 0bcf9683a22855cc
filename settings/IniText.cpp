#include "settings/IniText.h"

namespace mervik::ini {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

size_t FindLineBreak(std::string_view text, bool nulEndsLine) {
    // One pass: searching for each character with memchr would scan to the
    // end of the text for a character the file never holds (CR in a file of
    // LF line ends), once per line.
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n' || (nulEndsLine && c == '\0'))
            return i;
    }
    return std::string_view::npos;
}

static char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

uint64_t NameHash(std::string_view name) {
    uint64_t hash = 0xCBF29CE484222325ull; // FNV-1a
    for (char c : name)
        hash = (hash ^ static_cast<uint8_t>(LowerAscii(c))) * 0x100000001B3ull;
    return hash;
}

} // namespace mervik::ini
