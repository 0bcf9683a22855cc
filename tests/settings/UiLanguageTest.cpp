// Which language the windows speak: the user's choice in config.ini, else the
// system's user-interface language.
#include <gtest/gtest.h>

#include "settings/ConfigFile.h"
#include "settings/UiLanguage.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

using testing::TempFolder;

TEST(UiLanguage, TheSystemsLanguageDecidesChineseOnlyForSimplifiedCharacters) {
    struct Case {
        uint16_t langId;
        UiLanguage expected;
    };
    const Case cases[] = {
        {0x0804, UiLanguage::ChineseSimplified}, // zh-CN
        {0x1004, UiLanguage::ChineseSimplified}, // zh-SG
        {0x0004, UiLanguage::ChineseSimplified}, // zh-Hans
        {0x7804, UiLanguage::ChineseSimplified}, // zh
        {0x0404, UiLanguage::English},           // zh-TW: traditional characters
        {0x0C04, UiLanguage::English},           // zh-HK
        {0x1404, UiLanguage::English},           // zh-MO
        {0x7C04, UiLanguage::English},           // zh-Hant
        {0x0409, UiLanguage::English},           // en-US
        {0x0809, UiLanguage::English},           // en-GB
        {0x0411, UiLanguage::English},           // ja-JP: no table of its own
        {0x0407, UiLanguage::English},           // de-DE
        {0x0000, UiLanguage::English},           // the system told nothing
        {0x0802, UiLanguage::English},           // another language's sublanguage 2
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveUiLanguage(LanguageChoice::System, c.langId), c.expected)
            << std::hex << c.langId;
}

TEST(UiLanguage, TheUsersChoiceWinsOverTheSystem) {
    EXPECT_EQ(ResolveUiLanguage(LanguageChoice::English, 0x0804), UiLanguage::English);
    EXPECT_EQ(ResolveUiLanguage(LanguageChoice::ChineseSimplified, 0x0409),
              UiLanguage::ChineseSimplified);
    EXPECT_EQ(ResolveUiLanguage(LanguageChoice::ChineseSimplified, 0x0404),
              UiLanguage::ChineseSimplified);
}

TEST(UiLanguage, ValuesReadLeniently_UnknownOnesMeanTheSystem) {
    EXPECT_EQ(ParseLanguageChoice("en"), LanguageChoice::English);
    EXPECT_EQ(ParseLanguageChoice(" EN\t"), LanguageChoice::English);
    EXPECT_EQ(ParseLanguageChoice("zh-CN"), LanguageChoice::ChineseSimplified);
    EXPECT_EQ(ParseLanguageChoice("zh-cn"), LanguageChoice::ChineseSimplified);
    EXPECT_EQ(ParseLanguageChoice("zh-Hans"), LanguageChoice::ChineseSimplified);
    for (const char* other : {"", "system", "System", "zh-TW", "fr", "english", "zh", "en-US"})
        EXPECT_EQ(ParseLanguageChoice(other), LanguageChoice::System) << other;
    for (LanguageChoice choice :
         {LanguageChoice::System, LanguageChoice::English, LanguageChoice::ChineseSimplified})
        EXPECT_EQ(ParseLanguageChoice(LanguageChoiceValue(choice)), choice);
}

TEST(UiLanguage, StringTablesAndSkinFolders) {
    EXPECT_EQ(StringTableLangId(UiLanguage::English), 0x0409);
    EXPECT_EQ(StringTableLangId(UiLanguage::ChineseSimplified), 0x0804);
    EXPECT_EQ(SkinLanguageFolder(UiLanguage::English), "");
    EXPECT_EQ(SkinLanguageFolder(UiLanguage::ChineseSimplified), "zh-CN");
}

TEST(ConfigFile, TheLanguageKeyIsOursAndLeavesTheOtherKeysAlone) {
    TempFolder dir;
    const std::string path = ConfigFilePath(dir.Folder());
    EXPECT_EQ(ReadLanguageChoice(path), LanguageChoice::System); // no file
    TempFolder::Write(path, "[Setting]\r\nCurrentProfile=2\r\nDevice=1\r\n");
    EXPECT_EQ(ReadLanguageChoice(path), LanguageChoice::System); // no key
    ASSERT_TRUE(WriteLanguageChoice(path, LanguageChoice::ChineseSimplified));
    EXPECT_EQ(ReadLanguageChoice(path), LanguageChoice::ChineseSimplified);
    EXPECT_EQ(TempFolder::Read(path),
              "[Setting]\r\nCurrentProfile=2\r\nDevice=1\r\nLanguage=zh-CN\r\n");
    ASSERT_TRUE(WriteLanguageChoice(path, LanguageChoice::System));
    EXPECT_EQ(TempFolder::Read(path),
              "[Setting]\r\nCurrentProfile=2\r\nDevice=1\r\nLanguage=system\r\n");
    TempFolder::Write(path, "[Setting]\r\nLanguage=klingon\r\n");
    EXPECT_EQ(ReadLanguageChoice(path), LanguageChoice::System);
}

} // namespace
} // namespace mervik
