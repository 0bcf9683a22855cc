// lan.dll as the programs use it: loaded from the program's own folder and read
// with LoadStringA.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every id a window, menu or the tray asks for.
std::set<int> UsedIds() {
    std::set<int> ids = {1000, 1001, 1078, 1111, 1142, 1143, 1144};
    for (int id = 1003; id <= 1060; ++id)
        ids.insert(id);
    for (int id = 1062; id <= 1076; ++id)
        ids.insert(id);
    for (int id = 1080; id <= 1094; ++id)
        ids.insert(id);
    for (int id = 1104; id <= 1141; ++id)
        ids.insert(id);
    for (int id = 1145; id <= 1149; ++id) // Option's warnings
        ids.insert(id);
    for (int id = 1150; id <= 1159; ++id) // the macro page's rows and bank meter
        ids.insert(id);
    for (int id = 1160; id <= 1161; ++id) // the tray's profile texts
        ids.insert(id);
    for (int id = 1190; id <= 1205; ++id) // where the settings are: tray and status area
        ids.insert(id);
    for (int id = 1270; id <= 1288;
         ++id) // every function named, Export, Import, the reset's backup
        ids.insert(id);
    return ids;
}

// Function names are button captions too: white Arial about 6 pixels a
// character, on a 150-pixel button whose right 22 pixels hold the arrow.
std::set<int> CaptionIds() {
    std::set<int> ids = {1078, 1142};
    for (int id = 1003; id <= 1060; ++id)
        ids.insert(id);
    for (int id = 1080; id <= 1094; ++id)
        ids.insert(id);
    for (int id = 1104; id <= 1110; ++id)
        ids.insert(id);
    for (int id = 1270; id <= 1276; ++id)
        ids.insert(id);
    return ids;
}

class LanDll : public testing::Test {
protected:
    void SetUp() override {
        char path[MAX_PATH] = {};
        DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
        ASSERT_GT(n, 0u);
        std::string folder(path, n);
        folder.resize(folder.find_last_of('\\') + 1);
        SetLastError(0xdeadbeef);
        module_ = LoadLibraryA((folder + "lan.dll").c_str());
        ASSERT_NE(module_, nullptr) << "LoadLibraryA failed, error " << GetLastError();
    }
    void TearDown() override {
        if (module_)
            FreeLibrary(module_);
    }
    std::string Text(int id) const {
        char buffer[512] = {};
        int n = LoadStringA(module_, static_cast<UINT>(id), buffer, sizeof buffer);
        return std::string(buffer, n > 0 ? n : 0);
    }

    HMODULE module_ = nullptr;
};

TEST_F(LanDll, LoadsTheTextsUnderTheirNumbers) {
    EXPECT_EQ(Text(1000), "&Open Mervik settings");
    EXPECT_EQ(Text(1003), "Left click");
    EXPECT_EQ(Text(1112), "250 DPI");
    EXPECT_EQ(Text(1123), "4000 DPI");
    EXPECT_EQ(Text(1144), "Lights off");
}

TEST_F(LanDll, EveryUsedIdHasAText) {
    for (int id : UsedIds()) {
        EXPECT_FALSE(Text(id).empty()) << "no text for id " << id;
    }
}

TEST_F(LanDll, TextsFitWhereTheyAreShown) {
    // The tray tip field holds 63 characters.
    EXPECT_LE(Text(1111).size(), 63u);
    for (int id : CaptionIds()) {
        EXPECT_LE(Text(id).size(), 20u)
            << "caption " << id << " \"" << Text(id) << "\" is too long";
    }
    // The status area's 376 pixels hold some 48 characters of its font, with
    // the numbers filled in.
    for (int id = 1194; id <= 1204; ++id)
        EXPECT_LE(Text(id).size(), 48u) << "status " << id << " \"" << Text(id) << "\"";
}

TEST_F(LanDll, DpiTextsFollowTheLevelCodes) {
    const int dpi[] = {250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000};
    for (int level = 1; level <= 12; ++level) {
        EXPECT_EQ(Text(1111 + level), std::to_string(dpi[level - 1]) + " DPI") << "level " << level;
    }
}

} // namespace
