#include "settings/UiLanguage.h"

#include <cctype>

namespace mervik {

namespace {

constexpr uint16_t kLangChinese = 0x04;
constexpr uint16_t kLangEnglish = 0x09;
// Sublanguages of Chinese written with simplified characters: the People's
// Republic and Singapore, the script-only "zh-Hans" (0) and the bare "zh"
// (0x1E), which the system takes for simplified characters.
constexpr uint16_t kSubChineseSimplified = 0x02;
constexpr uint16_t kSubChineseSingapore = 0x04;
constexpr uint16_t kSubHans = 0x00;
constexpr uint16_t kSubBareChinese = 0x1E;

constexpr uint16_t MakeLangId(uint16_t primary, uint16_t sub) {
    return static_cast<uint16_t>(sub << 10 | primary);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::string_view LanguageChoiceValue(LanguageChoice choice) {
    switch (choice) {
    case LanguageChoice::English:
        return "en";
    case LanguageChoice::ChineseSimplified:
        return "zh-CN";
    case LanguageChoice::System:
        break;
    }
    return "system";
}

LanguageChoice ParseLanguageChoice(std::string_view value) {
    value = Trimmed(value);
    if (SameIgnoringCase(value, "en"))
        return LanguageChoice::English;
    if (SameIgnoringCase(value, "zh-CN") || SameIgnoringCase(value, "zh-Hans"))
        return LanguageChoice::ChineseSimplified;
    return LanguageChoice::System;
}

UiLanguage ResolveUiLanguage(LanguageChoice choice, uint16_t systemLangId) {
    switch (choice) {
    case LanguageChoice::English:
        return UiLanguage::English;
    case LanguageChoice::ChineseSimplified:
        return UiLanguage::ChineseSimplified;
    case LanguageChoice::System:
        break;
    }
    const uint16_t primary = systemLangId & 0x3FF;
    const uint16_t sub = systemLangId >> 10;
    const bool simplified =
        primary == kLangChinese && (sub == kSubChineseSimplified || sub == kSubChineseSingapore ||
                                    sub == kSubHans || sub == kSubBareChinese);
    return simplified ? UiLanguage::ChineseSimplified : UiLanguage::English;
}

uint16_t StringTableLangId(UiLanguage language) {
    return language == UiLanguage::ChineseSimplified
               ? MakeLangId(kLangChinese, kSubChineseSimplified)
               : MakeLangId(kLangEnglish, 0x01);
}

std::string_view SkinLanguageFolder(UiLanguage language) {
    return language == UiLanguage::ChineseSimplified ? "zh-CN" : "";
}

} // namespace mervik
