#include "ui/win32/controls/SkinTextFont.h"

#include <map>
#include <utility>

#include "settings/Utf8Cut.h"
#include "ui/core/DisplayScale.h"
#include "win32/Gdi.h"

namespace mervik::ui {

namespace {

UiLanguage& Language() {
    static UiLanguage language = UiLanguage::English;
    return language;
}

HFONT MakeFont(int height, int latinWidth, int weight, const wchar_t* latinFace, bool chinese) {
    if (chinese)
        return CreateFontW(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                           L"Microsoft YaHei");
    return CreateFontW(height, latinWidth, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                       latinFace);
}

} // namespace

void SetSkinTextLanguage(UiLanguage language) {
    Language() = language;
}

bool WantsChineseFace(std::string_view text) {
    return Language() == UiLanguage::ChineseSimplified || TextColumns(text) > Utf16Length(text);
}

HFONT CreateSkinFont(int height, int latinWidth, int weight, const wchar_t* latinFace,
                     bool wideText) {
    return MakeFont(height, latinWidth, weight, latinFace,
                    wideText || Language() == UiLanguage::ChineseSimplified);
}

HFONT SkinTextFont(int scalePercent, std::string_view text) {
    static std::map<std::pair<int, bool>, Font> fonts;
    const bool chinese = WantsChineseFace(text);
    Font& font = fonts[{scalePercent, chinese}];
    if (!font)
        font = Font(MakeFont(ScaleFontHeight(15, scalePercent), ScaleFontHeight(6, scalePercent),
                             FW_NORMAL, L"Arial", chinese));
    return font.get();
}

} // namespace mervik::ui
