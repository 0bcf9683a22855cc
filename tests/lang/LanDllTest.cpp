// lan.dll as the programs use it: loaded from the program's own folder, one
// string table per language, read in the language the windows speak; and as
// a peer reading it with LoadString sees it.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/Utf8Cut.h"
#include "settings/win32/WidePath.h"
#include "win32/LanguageLibrary.h"

namespace mervik {
namespace {

// Every id a window, menu or the tray asks for.
std::set<unsigned> UsedIds() {
    std::set<unsigned> ids = {1000, 1001, 1078, 1111, 1142, 1143, 1144};
    for (unsigned id = 1003; id <= 1060; ++id)
        ids.insert(id);
    for (unsigned id = 1062; id <= 1076; ++id)
        ids.insert(id);
    for (unsigned id = 1080; id <= 1094; ++id)
        ids.insert(id);
    for (unsigned id = 1104; id <= 1141; ++id)
        ids.insert(id);
    for (unsigned id = 1145; id <= 1149; ++id) // Option's warnings
        ids.insert(id);
    for (unsigned id = 1150; id <= 1159; ++id) // the macro page's rows and bank meter
        ids.insert(id);
    for (unsigned id = 1160; id <= 1161; ++id) // the tray's profile texts
        ids.insert(id);
    for (unsigned id = 1190; id <= 1205; ++id) // where the settings are: tray and status area
        ids.insert(id);
    for (unsigned id = 1400; id <= 1404; ++id) // the title and the language menu
        ids.insert(id);
    for (int id = 1270; id <= 1288;
         ++id) // every function named, Export, Import, the reset's backup
        ids.insert(id);
    return ids;
}

// Function names are button captions too, on a 150-pixel button whose right
// 22 pixels hold the arrow: some 128 pixels, where a Latin letter of the
// caption font takes about 6 and a Chinese one 15.
std::set<unsigned> CaptionIds() {
    std::set<unsigned> ids = {1078, 1142};
    for (unsigned id = 1003; id <= 1060; ++id)
        ids.insert(id);
    for (unsigned id = 1080; id <= 1094; ++id)
        ids.insert(id);
    for (unsigned id = 1104; id <= 1110; ++id)
        ids.insert(id);
    for (int id = 1270; id <= 1276; ++id)
        ids.insert(id);
    return ids;
}

// The width a caption takes, in pixels of the caption font, roughly.
size_t CaptionPixels(const std::string& text) {
    const size_t columns = TextColumns(text);
    const size_t wide = columns - Utf16Length(text); // each wide letter counts 2
    return (columns - 2 * wide) * 6 + wide * 15;
}

std::string ProgramFolder() {
    const std::string path = win::ModulePath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

class LanDll : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library_.Load(ProgramFolder())); }

    std::string Text(UiLanguage language, unsigned id) {
        library_.SetLanguage(language);
        return library_.Text(id);
    }

    win::LanguageLibrary library_;
};

TEST_F(LanDll, BothTablesHoldTheTextsUnderTheirNumbers) {
    EXPECT_EQ(Text(UiLanguage::English, 1000), "&Open Mervik settings");
    EXPECT_EQ(Text(UiLanguage::English, 1003), "Left click");
    EXPECT_EQ(Text(UiLanguage::English, 1144), "Lights off");
    library_.SetLanguage(UiLanguage::ChineseSimplified);
    // Compared as UTF-16, as the windows get them: the resource compiler read
    // the table as UTF-8.
    EXPECT_EQ(library_.WideText(1000), L"\x6253\x5F00 Mervik \x8BBE\x7F6E(&O)");
    EXPECT_EQ(library_.WideText(1003), L"\x5DE6\x952E\x5355\x51FB");
    EXPECT_EQ(library_.WideText(1400), L"Mervik \x8BBE\x7F6E");
    EXPECT_EQ(Text(UiLanguage::ChineseSimplified, 1112), "250 DPI");
}

TEST_F(LanDll, EveryUsedIdHasATextInEachLanguage) {
    for (unsigned id : UsedIds()) {
        EXPECT_FALSE(Text(UiLanguage::English, id).empty()) << "no English text for " << id;
        const std::string chinese = Text(UiLanguage::ChineseSimplified, id);
        EXPECT_FALSE(chinese.empty()) << "no Chinese text for " << id;
    }
    // The Chinese table is its own, not the English one fallen back to.
    HMODULE module = LoadLibraryExW(win::Widen(ProgramFolder() + "lan.dll").c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    std::set<unsigned> blocks;
    for (unsigned id : UsedIds())
        blocks.insert(id / 16 + 1);
    for (unsigned block : blocks)
        EXPECT_NE(FindResourceExW(module, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(block),
                                  MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)),
                  nullptr)
            << "block " << block;
    FreeLibrary(module);
}

// A peer that reads with LoadString, such as an older companion program,
// gets the table of the system's language, English here.
TEST_F(LanDll, APeerReadingWithLoadStringStillFindsEveryText) {
    if (PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE)
        GTEST_SKIP() << "a Chinese system gives the Chinese table";
    HMODULE module = LoadLibraryA((ProgramFolder() + "lan.dll").c_str());
    ASSERT_NE(module, nullptr) << "LoadLibraryA failed, error " << GetLastError();
    char buffer[512] = {};
    const int n = LoadStringA(module, 1003, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, n > 0 ? n : 0), "Left click");
    FreeLibrary(module);
}

TEST_F(LanDll, TextsFitWhereTheyAreShown) {
    for (UiLanguage language : {UiLanguage::English, UiLanguage::ChineseSimplified}) {
        // The tray tip field holds 63 characters.
        EXPECT_LE(Utf16Length(Text(language, 1111)), 63u);
        for (unsigned id : CaptionIds()) {
            const std::string caption = Text(language, id);
            EXPECT_LE(CaptionPixels(caption), 128u)
                << "caption " << id << " \"" << caption << "\" is too long";
        }
        // The status area's 376 pixels hold some 48 Latin letters of its font,
        // half as many Chinese ones, with the numbers filled in.
        for (unsigned id = 1194; id <= 1204; ++id)
            EXPECT_LE(TextColumns(Text(language, id)), 48u)
                << "status " << id << " \"" << Text(language, id) << "\"";
    }
}

TEST_F(LanDll, DpiTextsFollowTheLevelCodes) {
    const int dpi[] = {250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000};
    for (UiLanguage language : {UiLanguage::English, UiLanguage::ChineseSimplified})
        for (unsigned level = 1; level <= 12; ++level)
            EXPECT_EQ(Text(language, 1111 + level), std::to_string(dpi[level - 1]) + " DPI")
                << "level " << level;
}

} // namespace
} // namespace mervik
