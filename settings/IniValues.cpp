#include "settings/IniValues.h"

#include <array>

namespace mervik::ini {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

// Digit value in any base up to 36; 99 for characters that are no digit.
unsigned DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned>(c - 'A' + 10);
    return 99;
}

// Only the lower-case prefix letters count; "0X10" reads as 0.
unsigned BaseOfPrefix(std::string_view text) {
    if (text.size() < 2 || text[0] != '0')
        return 10;
    switch (text[1]) {
    case 'x':
        return 16;
    case 'o':
        return 8;
    case 'b':
        return 2;
    default:
        return 10;
    }
}

// Hexadecimal digit values by character, -1 for the rest: structures are
// kilobytes of hex in every profile file.
constexpr auto kHexValues = [] {
    std::array<int8_t, 256> values{};
    values.fill(-1);
    for (int c = '0'; c <= '9'; ++c)
        values[c] = static_cast<int8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c)
        values[c] = values[c + ('a' - 'A')] = static_cast<int8_t>(c - 'A' + 10);
    return values;
}();

int HexValue(char c) {
    return kHexValues[static_cast<uint8_t>(c)];
}

// Byte `i` of a hexadecimal text, -1 when either digit is no hex digit.
int ByteAt(std::string_view text, size_t i) {
    int high = HexValue(text[2 * i]);
    int low = HexValue(text[2 * i + 1]);
    return high < 0 || low < 0 ? -1 : high << 4 | low;
}

} // namespace

std::string UnquotedValue(std::string_view stored, size_t capacity) {
    if (capacity == 0)
        return {};
    stored = stored.substr(0, stored.find('\0'));
    bool quoted = stored.size() >= 2 && IsQuote(stored.front()) && stored.back() == stored.front();
    if (quoted)
        stored.remove_prefix(1);
    std::string text(stored.substr(0, capacity - 1));
    if (quoted && capacity >= stored.size() && !text.empty())
        text.pop_back();
    return text;
}

int32_t ParseInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    unsigned base = BaseOfPrefix(text.substr(i));
    if (base != 10)
        i += 2;
    uint32_t total = 0;
    for (; i < text.size(); ++i) {
        unsigned digit = DigitValue(text[i]);
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    if (negative)
        total = 0u - total;
    return static_cast<int32_t>(total);
}

std::string EncodeStruct(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    std::string text(2 * size + 2, '0');
    uint8_t sum = 0;
    for (size_t i = 0; i < size; ++i) {
        text[2 * i] = kHexDigits[bytes[i] >> 4];
        text[2 * i + 1] = kHexDigits[bytes[i] & 15];
        sum = static_cast<uint8_t>(sum + bytes[i]);
    }
    text[2 * size] = kHexDigits[sum >> 4];
    text[2 * size + 1] = kHexDigits[sum & 15];
    return text;
}

bool DecodeStruct(std::string_view text, void* buffer, size_t size) {
    if (text.size() != 2 * size + 2)
        return false;
    // Check everything before touching the buffer: a damaged value must leave
    // the caller's record as it was.
    uint8_t sum = 0;
    for (size_t i = 0; i <= size; ++i) {
        int byte = ByteAt(text, i);
        if (byte < 0 || (i == size && byte != sum))
            return false;
        sum = static_cast<uint8_t>(sum + byte);
    }
    auto* bytes = static_cast<uint8_t*>(buffer);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(ByteAt(text, i));
    return true;
}

} // namespace mervik::ini
