#include "ui/core/AccessKey.h"

#include <charconv>
#include <string>
#include <vector>

namespace mervik::ui {
namespace {

std::vector<std::string_view> Fields(std::string_view value) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        const size_t comma = value.find(',', start);
        fields.push_back(value.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<int> Number(std::string_view text) {
    text = Trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 10000)
        return std::nullopt;
    return value;
}

char Upper(int c) {
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

bool IsKeyLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

std::optional<uint32_t> ParseSkinColour(std::string_view value) {
    value = Trimmed(value);
    if (value.size() != 6)
        return std::nullopt;
    uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), rgb, 16);
    if (error != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    return rgb;
}

std::optional<AccessKey> ParseAccessKey(std::string_view value) {
    const std::vector<std::string_view> fields = Fields(value);
    if (fields.size() != 5)
        return std::nullopt;
    const std::string_view letter = Trimmed(fields[0]);
    if (letter.size() != 1 || !IsKeyLetter(Upper(letter[0])))
        return std::nullopt;
    const auto left = Number(fields[1]), top = Number(fields[2]), width = Number(fields[3]);
    const auto rgb = ParseSkinColour(fields[4]);
    if (!left || !top || !width || !rgb || *width == 0)
        return std::nullopt;
    AccessKey key;
    key.letter = Upper(letter[0]);
    key.left = *left;
    key.top = *top;
    key.width = *width;
    key.rgb = *rgb;
    return key;
}

bool MatchesAccessKey(const AccessKey& key, int character) {
    return key.letter != 0 && Upper(character) == key.letter;
}

} // namespace mervik::ui
