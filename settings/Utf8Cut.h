#pragma once
// Shown texts are UTF-8 (StoredText.h); the system's fields that take them
// hold UTF-16 units. These measure and cut such a text on whole characters.
// A byte that starts no valid sequence counts as one character of its own.
#include <cstddef>
#include <string>
#include <string_view>

namespace mervik {

// How many UTF-16 units the text becomes.
size_t Utf16Length(std::string_view utf8);

// How many columns of a Latin letter's width the text takes: East Asian wide
// characters (Chinese, Japanese, Korean letters and their full-width forms)
// take two, every other character one.
size_t TextColumns(std::string_view utf8);

// The longest start of `utf8` that becomes at most `maxUnits` UTF-16 units,
// never ending inside a character.
std::string CutToUtf16Units(std::string_view utf8, size_t maxUnits);

} // namespace mervik
