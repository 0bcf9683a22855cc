#include "exchange/JsonText.h"

namespace mervik {

Json JsonOfBytes(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return Json(std::move(utf8));
}

std::optional<std::string> BytesOfJson(const Json& value) {
    if (!value.is_string())
        return std::nullopt;
    const std::string& utf8 = value.get_ref<const std::string&>();
    std::string bytes;
    bytes.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            bytes += static_cast<char>(c);
            continue;
        }
        // The parser hands valid UTF-8; only U+0080 to U+00FF stand for a byte.
        if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[++i]);
            bytes += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
            continue;
        }
        return std::nullopt;
    }
    return bytes;
}

std::string JsonDocument(const Json& value) {
    return value.dump(2, ' ', true) + "\n";
}

Json ParseJson(std::string_view text) {
    return Json::parse(text.begin(), text.end(), nullptr, false);
}

bool IsJsonText(const Json& value, std::string_view text) {
    return value.is_string() && value.get_ref<const std::string&>() == text;
}

std::optional<long long> JsonInteger(const Json& object, std::string_view key, long long low,
                                     long long high) {
    if (!object.is_object())
        return std::nullopt;
    const auto found = object.find(std::string(key));
    if (found == object.end() || !found->is_number_integer())
        return std::nullopt;
    long long value = 0;
    if (found->is_number_unsigned()) {
        const auto unsignedValue = found->get<unsigned long long>();
        if (unsignedValue > static_cast<unsigned long long>(high))
            return std::nullopt;
        value = static_cast<long long>(unsignedValue);
    } else {
        value = found->get<long long>();
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace mervik
