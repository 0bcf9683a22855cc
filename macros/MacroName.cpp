#include "macros/MacroName.h"

#include <algorithm>

#include "settings/TextField.h"

namespace mervik {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
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
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

} // namespace mervik
