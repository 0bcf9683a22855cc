#pragma once
// Where the skins live: the program folder followed by "skins\". Set once at
// start-up; every skinned window reads its files from here.
#include <string>

namespace mervik::ui {

void SetSkinFolder(std::string folder);
const std::string& SkinFolder();
// The folder of the skin drawn for `scalePercent`: the skin folder itself at
// 100 %, its subfolder named by the percent ("150\\") for the others.
std::string SkinVariantFolder(int scalePercent);

} // namespace mervik::ui
