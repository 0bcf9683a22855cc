#include "macros/MacroName.h"

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
    std::string name = TextOfField(record.Name);
    const size_t first = name.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return {};
    const size_t last = name.find_last_not_of(kWhiteSpace);
    return name.substr(first, last - first + 1);
}

bool SameMacroName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(a[i])) {
            if (a.substr(i, 2) != b.substr(i, 2))
                return false;
            ++i; // the pair's second byte is no letter
        } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace mervik
