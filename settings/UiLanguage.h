#pragma once
// Which language the suite's windows speak. The user may name one in
// config.ini (section Setting, key Language); otherwise, or with a value this
// version does not know, the system's user-interface language decides:
// Simplified Chinese for Chinese (Simplified), English for any other.
#include <cstdint>
#include <string_view>

namespace mervik {

enum class UiLanguage { English, ChineseSimplified };

// What config.ini says: the system's language, or one the user chose.
enum class LanguageChoice { System, English, ChineseSimplified };

// The Language value as written: "system", "en", "zh-CN".
std::string_view LanguageChoiceValue(LanguageChoice choice);
// Blanks around the value and letter case do not count ("zh-cn", " EN ");
// "zh-Hans" is taken for "zh-CN". Anything else, and an empty value, is the
// system's.
LanguageChoice ParseLanguageChoice(std::string_view value);

// The language for `choice` on a system whose user-interface language is
// `systemLangId` (a Windows LANGID: primary language in the low 10 bits,
// sublanguage above).
UiLanguage ResolveUiLanguage(LanguageChoice choice, uint16_t systemLangId);

// The LANGID of the language's string table in lan.dll.
uint16_t StringTableLangId(UiLanguage language);

// The folder, under the skin folder, of a skin whose pictures speak the
// language ("zh-CN"); empty for English, whose skin is the skin folder's own.
std::string_view SkinLanguageFolder(UiLanguage language);

} // namespace mervik
