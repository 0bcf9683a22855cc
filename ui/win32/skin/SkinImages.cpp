#include "ui/win32/skin/SkinImages.h"

#include <algorithm>

#include "settings/FileAccess.h"
#include "ui/win32/skin/PictureLoader.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {
namespace {
constexpr size_t kValueMaxChars = 2047;
constexpr char kScreenSection[] = "SCREEN"; // one skin spells it "Screen"; names ignore case
constexpr char kButtonSection[] = "BUTTONPOS";
// Optional: the focus ring's colour ("Focus") and the controls' access keys,
// by their BUTTONPOS keys.
constexpr char kKeyboardSection[] = "KEYBOARD";
} // namespace

SkinFile::SkinFile(const std::string& name, int scalePercent)
    : scalePercent_(scalePercent), folder_(SkinVariantFolder(scalePercent)),
      ini_(ReadWholeFile(folder_ + name).bytes) {}

std::string SkinFile::Read(const char* section, const std::string& key) const {
    std::string value = ini_.ReadText(section, key, "");
    value.resize(std::min(value.size(), kValueMaxChars));
    return value;
}

std::string SkinFile::PictureName(const char* key) const {
    return Read(kScreenSection, key);
}

SkinImages SkinFile::LoadImages() const {
    auto picture = [&](const char* key) {
        std::string file = Read(kScreenSection, key);
        return file.empty() ? Bitmap() : LoadPicture(folder_ + file);
    };
    SkinImages images;
    images.scalePercent = scalePercent_;
    images.folder = folder_;
    images.mask = picture("Mask");
    images.normal = picture("Normal");
    images.over = picture("Over");
    images.down = picture("Down");
    images.disable = picture("Disable");
    if (std::optional<uint32_t> focus = ParseSkinColour(Read(kKeyboardSection, "Focus")))
        images.focusRgb = *focus;
    return images;
}

ButtonPos SkinFile::Pos(int key) const {
    ButtonPos pos = ParseButtonPos(Read(kButtonSection, std::to_string(key)));
    pos.accessKey = ParseAccessKey(Read(kKeyboardSection, std::to_string(key)));
    return pos;
}

} // namespace mervik::ui
