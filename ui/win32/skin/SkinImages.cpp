#include "ui/win32/skin/SkinImages.h"

#include <algorithm>

#include "settings/FileAccess.h"
#include "settings/StoredText.h"
#include "ui/win32/skin/PicturePrefetch.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {
namespace {
constexpr size_t kValueMaxChars = 2047;
constexpr char kScreenSection[] = "SCREEN"; // one skin spells it "Screen"; names ignore case
constexpr char kButtonSection[] = "BUTTONPOS";
// Optional: the focus ring's colour ("Focus") and the controls' access keys,
// by their BUTTONPOS keys.
constexpr char kKeyboardSection[] = "KEYBOARD";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view WithoutMark(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    return bytes;
}

} // namespace

SkinFile::SkinFile(const std::string& name, int scalePercent)
    : scalePercent_(scalePercent), folder_(SkinVariantFolder(scalePercent)) {
    const std::string bytes = ReadWholeFile(folder_ + name).bytes;
    utf8_ = std::string_view(bytes).starts_with(kUtf8Mark);
    ini_ = IniDocument(WithoutMark(bytes));
}

std::string SkinFile::Read(const char* section, const std::string& key) const {
    std::string value = ini_.ReadText(section, key, "");
    value.resize(std::min(value.size(), kValueMaxChars));
    return value;
}

std::string SkinFile::PictureName(const char* key) const {
    return Read(kScreenSection, key);
}

std::string SkinFile::PicturePath(const char* key) const {
    std::string file = PictureName(key);
    return file.empty() ? file : folder_ + file;
}

SkinImages SkinFile::LoadImages() const {
    SkinImages images;
    images.scalePercent = scalePercent_;
    images.folder = folder_;
    // The mask is read beside the Normal picture.
    const std::string mask = PicturePath("Mask");
    PrefetchPicture(mask);
    images.normal = ReadPicture(PicturePath("Normal"));
    images.mask = ReadPicture(mask);
    images.over = LazyPicture(PicturePath("Over"));
    images.down = LazyPicture(PicturePath("Down"));
    images.disable = LazyPicture(PicturePath("Disable"));
    if (std::optional<uint32_t> focus = ParseSkinColour(Read(kKeyboardSection, "Focus")))
        images.focusRgb = *focus;
    return images;
}

void SkinImages::ReadStatePictures() const {
    for (const LazyPicture* picture : {&over, &down, &disable})
        picture->get();
}

ButtonPos SkinFile::Pos(int key) const {
    ButtonPos pos = ParseButtonPos(Read(kButtonSection, std::to_string(key)));
    pos.accessKey = ParseAccessKey(Read(kKeyboardSection, std::to_string(key)));
    if (!utf8_) {
        pos.label = ShownFromStored(pos.label);
        pos.tooltip = ShownFromStored(pos.tooltip);
    }
    return pos;
}

} // namespace mervik::ui
