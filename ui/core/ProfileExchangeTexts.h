#pragma once
// What Option says around Export and Import: the file name it offers and the
// question it asks before an import replaces a profile.
#include <string>
#include <string_view>

#include "ui/core/TextLookup.h"

namespace mervik::ui {

inline constexpr char kProfileFileExtension[] = "mervik-profile";

// "Racing.mervik-profile" for a profile named Racing: the characters a file
// name cannot hold become "_"; a name with nothing left is "profile".
std::string SharingFileName(std::string_view profileName);

// The confirmation of an import into profile `index` (0..4, shown from 1):
// which profile it replaces and with what, how many macros join the list and,
// when there were any, how many of the file's values were mended.
std::string ImportQuestion(const TextLookup& text, int index, const std::string& replaced,
                           const std::string& imported, size_t macrosAdded, size_t mended);

} // namespace mervik::ui
