#pragma once
// JSON as the suite writes it: members in the order they were added, two-space
// indents, and nothing but ASCII. The suite's texts are ANSI bytes of the
// system's code page, not UTF-8: each byte travels as the character of the
// same number (U+0000 to U+00FF), which JSON writes as \u00XX above 0x7E, so
// no byte is lost or changed on the way out and back.
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace mervik {

using Json = nlohmann::ordered_json;

// The text of `bytes` as a JSON string value.
Json JsonOfBytes(std::string_view bytes);

// The bytes a JSON string value stands for; none for a value that is no
// string or holds a character above U+00FF.
std::optional<std::string> BytesOfJson(const Json& value);

// `value` laid out for people and files, ending with a line break.
std::string JsonDocument(const Json& value);

// The document in `text`; a discarded value when it is no JSON. Never throws.
Json ParseJson(std::string_view text);

// Whether `value` is the string `text`.
bool IsJsonText(const Json& value, std::string_view text);

// An integer member of `object` within [low, high]; none when it is missing,
// no integer or out of range.
std::optional<long long> JsonInteger(const Json& object, std::string_view key, long long low,
                                     long long high);

} // namespace mervik
