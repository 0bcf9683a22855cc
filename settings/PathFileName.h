#pragma once
// The file name and extension at the end of a stored program path, as the
// suite shows it beside a button or a profile ("game.exe" of
// "C:\Games\game.exe"). Both separators count; a path ending in a separator
// has an empty name.
#include <string_view>

namespace mervik {

constexpr std::string_view PathFileName(std::string_view path) {
    size_t cut = path.find_last_of("\\/");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

} // namespace mervik
