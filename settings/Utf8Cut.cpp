#include "settings/Utf8Cut.h"

namespace mervik {

namespace {

struct Character {
    size_t bytes = 1;
    size_t units = 1;
    char32_t code = 0xFFFD;
};

// The character at the start of `text`: its bytes, and 2 units for one
// beyond the 16-bit range (a surrogate pair).
Character NextCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    size_t bytes = 1;
    if (lead >= 0xF0 && lead <= 0xF4)
        bytes = 4;
    else if (lead >= 0xE0 && lead <= 0xEF)
        bytes = 3;
    else if (lead >= 0xC2 && lead <= 0xDF)
        bytes = 2;
    if (bytes > text.size())
        return {};
    for (size_t i = 1; i < bytes; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return {};
    char32_t code = bytes == 1 ? lead : lead & (0x7F >> bytes);
    for (size_t i = 1; i < bytes; ++i)
        code = code << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
    return {bytes, bytes == 4 ? size_t{2} : size_t{1}, code};
}

// The wide blocks of Unicode's East Asian Width property, in short.
bool Wide(char32_t code) {
    return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
           (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
           (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
           (code >= 0xFFE0 && code <= 0xFFE6) || (code >= 0x20000 && code <= 0x3FFFD);
}

} // namespace

size_t Utf16Length(std::string_view utf8) {
    size_t units = 0;
    while (!utf8.empty()) {
        const Character c = NextCharacter(utf8);
        units += c.units;
        utf8.remove_prefix(c.bytes);
    }
    return units;
}

size_t TextColumns(std::string_view utf8) {
    size_t columns = 0;
    while (!utf8.empty()) {
        const Character c = NextCharacter(utf8);
        columns += Wide(c.code) ? 2 : 1;
        utf8.remove_prefix(c.bytes);
    }
    return columns;
}

std::string CutToUtf16Units(std::string_view utf8, size_t maxUnits) {
    size_t end = 0;
    size_t units = 0;
    while (end < utf8.size()) {
        const Character c = NextCharacter(utf8.substr(end));
        if (units + c.units > maxUnits)
            break;
        units += c.units;
        end += c.bytes;
    }
    return std::string(utf8.substr(0, end));
}

} // namespace mervik
