#include "ui/win32/skin/SkinFolder.h"

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

} // namespace mervik::ui
