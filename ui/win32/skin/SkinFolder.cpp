#include "ui/win32/skin/SkinFolder.h"

#include "ui/core/DisplayScale.h"

namespace mervik::ui {
namespace {
std::string& Folder() {
    static std::string folder;
    return folder;
}
} // namespace

void SetSkinFolder(std::string folder) {
    Folder() = std::move(folder);
}
const std::string& SkinFolder() {
    return Folder();
}

std::string SkinVariantFolder(int scalePercent) {
    if (scalePercent == kBaseScalePercent)
        return Folder();
    return Folder() + std::to_string(scalePercent) + "\\";
}

} // namespace mervik::ui
