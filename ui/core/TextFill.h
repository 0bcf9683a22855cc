#pragma once
// The language library's sentences hold "%1" to "%9" where the program puts
// its values in. Every other character stays as it is, so a sentence from
// outside cannot do more than show itself.
#include <initializer_list>
#include <string>
#include <string_view>

namespace mervik::ui {

// `text` with each "%k" replaced by the k-th of `values` (from 1); a "%k"
// without a value stays as it is.
std::string FillTexts(std::string_view text, std::initializer_list<std::string_view> values);

// The same with the numbers `first` and `second` for "%1" and "%2".
std::string FillNumbers(std::string_view text, int first, int second);

} // namespace mervik::ui
