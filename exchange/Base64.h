#pragma once
// Base64 (RFC 4648, with padding): how a backup carries a file's bytes in JSON.
#include <optional>
#include <string>
#include <string_view>

namespace mervik {

std::string EncodeBase64(std::string_view bytes);

// None for text that is not canonical padded Base64: a character outside
// the alphabet, a length that is not a multiple of four, misplaced padding.
std::optional<std::string> DecodeBase64(std::string_view text);

} // namespace mervik
