#include "settings/IniText.h"

#include <cstring>

namespace mervik::ini {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

size_t FindLineBreak(std::string_view text, bool nulEndsLine) {
    // memchr per character sought, each search bounded by the best so far.
    size_t end = text.size();
    auto narrow = [&](char c) {
        if (const void* hit = std::memchr(text.data(), c, end))
            end = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
    };
    narrow('\r');
    narrow('\n');
    if (nulEndsLine)
        narrow('\0');
    return end == text.size() ? std::string_view::npos : end;
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

} // namespace mervik::ini
