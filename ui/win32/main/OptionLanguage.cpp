#include "ui/win32/main/OptionLanguage.h"

#include "settings/FileAccess.h"
#include "ui/win32/controls/SkinTextFont.h"
#include "ui/win32/main/ProgramWide.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {

namespace {
constexpr char kMainSkin[] = "skin_main.ini";
} // namespace

std::string SkinFolderFor(const std::string& skins, UiLanguage language) {
    const std::string_view sub = SkinLanguageFolder(language);
    if (sub.empty())
        return skins;
    const std::string folder = skins + std::string(sub) + "\\";
    return FileExists(folder + kMainSkin) ? folder : skins;
}

void SpeakLanguage(UiLanguage language) {
    ProgramWide& program = Program();
    program.language.SetLanguage(language);
    SetSkinTextLanguage(language);
    SetSkinFolder(SkinFolderFor(program.folder + "skins\\", language));
}

} // namespace mervik::ui
