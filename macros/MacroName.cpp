#include "macros/MacroName.h"

#include <algorithm>

#include "settings/TextField.h"

namespace mervik {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// In a double-byte code page (GBK and its kind) such a byte starts a character
// of two bytes, and the second may lie in the ASCII letters' range.
bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

} // namespace

std::string TrimmedMacroName(const MacroRecord& record) {
    return TrimmedMacroName(TextOfField(record.Name));
}

std::string TrimmedMacroName(std::string_view name) {
    const size_t first = name.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    const size_t last = name.find_last_not_of(kWhiteSpace);
    return std::string(name.substr(first, last - first + 1));
}

bool SameMacroName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && MacroNameKey(a) == MacroNameKey(b);
}

std::string MacroNameKey(std::string_view name) {
    std::string key(name);
    for (size_t i = 0; i < key.size(); ++i) {
        if (IsLeadByte(key[i]))
            ++i; // the pair's second byte is no letter
        else
            key[i] = FoldAscii(key[i]);
    }
    return key;
}

std::string_view MacroNameStart(std::string_view name, size_t maxBytes) {
    size_t end = 0;
    while (end < name.size()) {
        const size_t next = end + (IsLeadByte(name[end]) ? 2 : 1);
        if (next > maxBytes)
            break;
        end = next;
    }
    return name.substr(0, std::min(end, name.size()));
}

std::string StoredMacroName(std::string_view name) {
    const auto field = static_cast<size_t>(kMaxMacroNameLength);
    // A name that fits is kept whole: in a single-byte code page its last
    // byte may look like the first of a pair.
    return std::string(name.size() <= field ? name : MacroNameStart(name, field));
}

} // namespace mervik
