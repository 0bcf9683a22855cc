#pragma once
// Where the skins live: the program folder followed by "skins\". Set once at
// start-up; every skinned window reads its files from here.
#include <string>

namespace mervik::ui {

void SetSkinFolder(std::string folder);
const std::string& SkinFolder();

} // namespace mervik::ui
