#pragma once
// How values are spelled inside an INI file: quoted text, integers and
// structures. The rules are those of the platform's private-profile functions,
// quirks included, so a file reads the same whether the suite or the platform
// reads it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mervik::ini {

// The platform reads an integer through a text buffer of this many characters
// (terminator included), so longer values are cut before they are converted.
constexpr size_t kIntBufferSize = 30;

// The text a reader gets for a stored value through a buffer of `capacity`
// characters, terminator included: the value ends at a NUL byte; one pair of
// matching quotes (" or ') around it is dropped; it is cut to fit. The closing
// quote goes with the last character that fits even when the buffer was one
// character short of holding it, as the platform does.
std::string UnquotedValue(std::string_view stored, size_t capacity = SIZE_MAX);

// A number the platform's way: leading blanks, an optional sign, then "0x",
// "0o" or "0b" for hexadecimal, octal or binary, else decimal; conversion stops
// at the first character that is not a digit of the base; no digits read as 0;
// the value wraps modulo 2^32.
int32_t ParseInt(std::string_view text);

// A record as two upper-case hexadecimal digits per byte followed by the low
// 8 bits of the byte sum.
std::string EncodeStruct(const void* data, size_t size);

// Fills `buffer` only when `text` is exactly 2 * size + 2 hexadecimal digits
// (either case) whose bytes sum to the trailing checksum; otherwise `buffer`
// keeps every byte it had.
bool DecodeStruct(std::string_view text, void* buffer, size_t size);

} // namespace mervik::ini
