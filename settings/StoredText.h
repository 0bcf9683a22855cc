#pragma once
// Names and paths in the records and files (profile and macro names, linked
// programs) are bytes in the system's ANSI code page, as the other programs
// read them. The windows show UTF-8 texts, since the language library's
// Chinese fits no Western code page. This turns the one into the other: on
// Windows through the code page; elsewhere the bytes are taken as they are.
#include <string>
#include <string_view>

namespace mervik {

std::string ShownFromStored(std::string_view stored);

} // namespace mervik
