// A backup gives back every file byte for byte, all of them or none.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "exchange/JsonText.h"
#include "exchange/SettingsBackup.h"
#include "macros/MacroFile.h"
#include "settings/FileLimits.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tests/settings/HeldSaveLock.h"
#include "tests/settings/ProfileSamples.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

using testing::TempFolder;

std::vector<std::string> SuitePaths(const std::string& folder) {
    std::vector<std::string> paths{ConfigFilePath(folder)};
    for (int n = 0; n < kProfileFileCount; ++n)
        paths.push_back(ProfileFilePath(folder, n));
    paths.push_back(MacroFilePath(folder));
    return paths;
}

// Every file's bytes, "<missing>" for one that is not there.
std::vector<std::string> Contents(const std::string& folder) {
    std::vector<std::string> contents;
    for (const std::string& path : SuitePaths(folder))
        contents.push_back(std::filesystem::exists(path) ? TempFolder::Read(path) : "<missing>");
    return contents;
}

class SettingsBackup : public ::testing::Test {
protected:
    void SetUp() override {
        auto image = std::make_unique<SharedSettingsBlock>();
        testing::FillSampleImage(*image);
        ASSERT_TRUE(SaveAll(*image, folder.Folder()));
        // Hand-edited files keep their own bytes: no trailing line break, LF lines.
        TempFolder::Write(ConfigFilePath(folder.Folder()),
                          "[Setting]\nCurrentProfile=2\nFWVersion=103");
        TempFolder::Write(MacroFilePath(folder.Folder()), "[Macros]\r\nnumber=0\r\n");
        std::filesystem::remove(ProfileFilePath(folder.Folder(), 4));
        before = Contents(folder.Folder());
        std::string error;
        std::optional<std::string> made = MakeBackup(folder.Folder(), error);
        ASSERT_TRUE(made) << error;
        backup = *made;
    }

    // What Option's reset leaves: every profile at its defaults.
    void FactoryReset() {
        auto image = std::make_unique<SharedSettingsBlock>();
        CreateImage(*image);
        ResetAllProfiles(*image);
        ASSERT_TRUE(SaveAll(*image, folder.Folder()));
        ASSERT_NE(Contents(folder.Folder()), before);
    }

    TempFolder folder;
    std::vector<std::string> before;
    std::string backup;
};

TEST_F(SettingsBackup, RestoreAfterAResetGivesBackEveryFileByteForByte) {
    FactoryReset();
    std::string error;
    ASSERT_TRUE(RestoreBackup(folder.Folder(), backup, error)) << error;
    EXPECT_EQ(Contents(folder.Folder()), before) << "profile file 4 is missing again too";
    for (const auto& entry : std::filesystem::directory_iterator(folder.Folder() + "config"))
        EXPECT_EQ(entry.path().extension(),
                  entry.path().filename() == "sequence.dat" ? ".dat" : ".gmp")
            << "no temporary file is left: " << entry.path();
}

TEST_F(SettingsBackup, ADamagedBackupChangesNothing) {
    FactoryReset();
    const std::vector<std::string> reset = Contents(folder.Folder());
    Json parsed = ParseJson(backup);
    auto damaged = [&](auto change) {
        Json copy = parsed;
        change(copy);
        return JsonDocument(copy);
    };
    std::string bytes = parsed["files"][1]["bytes"];
    bytes[10] = bytes[10] == 'A' ? 'B' : 'A';
    const std::string cases[] = {
        backup.substr(0, backup.size() / 2),
        damaged([&](Json& j) { j["files"][1]["bytes"] = bytes; }),
        damaged([](Json& j) { j["files"][2]["size"] = 1; }),
        damaged([](Json& j) { j["files"].erase(6); }),
        damaged([](Json& j) { j["files"].push_back(j["files"][0]); }),
        damaged([](Json& j) { j["files"][0]["name"] = "../config.ini"; }),
        damaged([](Json& j) { j["files"][3]["bytes"] = "not base64!"; }),
        damaged([](Json& j) { j["format"] = "mervik-profile"; }),
        damaged([](Json& j) { j["version"] = 2; }),
    };
    for (const std::string& text : cases) {
        std::string error;
        EXPECT_FALSE(RestoreBackup(folder.Folder(), text, error));
        EXPECT_NE(error.find("refused"), std::string::npos) << error;
        EXPECT_EQ(Contents(folder.Folder()), reset);
    }
}

TEST_F(SettingsBackup, AFileTheSuiteCannotReadIsNeitherBackedUpNorWrittenOver) {
    const std::string huge(kMaxIniFileBytes + 1, 'x');
    TempFolder::Write(ProfileFilePath(folder.Folder(), 2), huge);
    std::string error;
    EXPECT_FALSE(MakeBackup(folder.Folder(), error));
    EXPECT_NE(error.find("Default2.gmp"), std::string::npos) << error;
    EXPECT_FALSE(RestoreBackup(folder.Folder(), backup, error));
    EXPECT_EQ(TempFolder::Read(ProfileFilePath(folder.Folder(), 2)), huge);
    EXPECT_EQ(TempFolder::Read(ConfigFilePath(folder.Folder())), before[0]) << "none of them";
}

// Another program's save in progress: no backup of its half-written state,
// no restore into it.
TEST_F(SettingsBackup, WaitsForNoOtherSaveAndRefusesWhileOneHoldsTheLock) {
    FactoryReset();
    const std::vector<std::string> reset = Contents(folder.Folder());
    std::string error;
    {
        testing::HeldSaveLock other;
        EXPECT_FALSE(MakeBackup(folder.Folder(), error));
        EXPECT_NE(error.find("saving"), std::string::npos) << error;
        EXPECT_FALSE(RestoreBackup(folder.Folder(), backup, error));
        EXPECT_EQ(Contents(folder.Folder()), reset);
    }
    EXPECT_TRUE(RestoreBackup(folder.Folder(), backup, error)) << error;
}

TEST(SettingsBackupPath, NamedByTheLocalTimeInTheBackupsFolder) {
    const std::string path = ResetBackupPath("/m/", 0);
    EXPECT_EQ(path.rfind("/m/backups", 0), 0u) << path;
    EXPECT_EQ(path.size(), std::string("/m/backups/settings-19700101-000000.mervik-backup").size());
}

} // namespace
} // namespace mervik
