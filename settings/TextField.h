#pragma once
// Fixed-size, zero-terminated text fields of the records.
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace mervik {

// Copies `text` into `field`, cutting it to the field less its terminator and
// zero-filling the rest, so no old bytes survive behind the text.
template <size_t N> void SetTextField(char (&field)[N], std::string_view text) {
    size_t n = text.size() < N - 1 ? text.size() : N - 1;
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), n);
}

// The text of a field, stopping at the terminator or the end of the field,
// whichever comes first: a field read from outside may lack its terminator.
template <size_t N> std::string TextOfField(const char (&field)[N]) {
    const void* end = std::memchr(field, 0, N);
    return std::string(field, end ? static_cast<const char*>(end) - field : N);
}

} // namespace mervik
