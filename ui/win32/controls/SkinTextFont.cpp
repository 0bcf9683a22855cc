#include "ui/win32/controls/SkinTextFont.h"

#include "win32/Gdi.h"

namespace mervik::ui {

namespace {

UiLanguage& Language() {
    static UiLanguage language = UiLanguage::English;
    return language;
}

} // namespace

void SetSkinTextLanguage(UiLanguage language) {
    Language() = language;
}

HFONT CreateSkinFont(int height, int latinWidth, int weight, const wchar_t* latinFace) {
    if (Language() == UiLanguage::ChineseSimplified)
        return CreateFontW(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                           L"Microsoft YaHei");
    return CreateFontW(height, latinWidth, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                       latinFace);
}

HFONT SkinTextFont() {
    static const Font english(
        CreateFontW(15, 6, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    if (Language() == UiLanguage::English)
        return english.get();
    static const Font chinese(CreateSkinFont(15, 6, FW_NORMAL));
    return chinese.get();
}

} // namespace mervik::ui
