#pragma once
// The language Option speaks: the language library's table, the skin's font,
// and the skin whose pictures hold text in that language (a skin folder's
// subfolder named for it, such as skins\zh-CN\, used when it holds the main
// window's skin; otherwise the skin folder itself).
#include <string>

#include "settings/UiLanguage.h"

namespace mervik::ui {

// The skin folder for `language` under `skins` (with its trailing separator).
std::string SkinFolderFor(const std::string& skins, UiLanguage language);

// Makes every text, font and skin that follows be the language's.
void SpeakLanguage(UiLanguage language);

} // namespace mervik::ui
