// Files far larger than the suite writes are refused like files that cannot
// be read: reported, not loaded and never written over.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsFiles.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

using testing::TempFolder;

constexpr uintmax_t kHugeFileBytes = uintmax_t{100} << 20;

// Zeros, without writing them where the file system keeps sparse files.
void MakeHugeFile(const std::string& path) {
    std::ofstream{path};
    std::filesystem::resize_file(path, kHugeFileBytes);
}

class HugeSettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::unique_ptr<SharedSettingsBlock> image = NewImage();
        ResetAllProfiles(*image);
        ASSERT_TRUE(SaveAll(*image, dir.Folder()));
    }
    static std::unique_ptr<SharedSettingsBlock> NewImage() {
        auto image = std::make_unique<SharedSettingsBlock>();
        CreateImage(*image);
        return image;
    }
    TempFolder dir;
};

TEST_F(HugeSettingsFile, ConfigFileIsRefusedReportedAndNotWrittenOver) {
    const std::string config = ConfigFilePath(dir.Folder());
    MakeHugeFile(config);
    auto image = NewImage();
    LoadNotes notes;
    EXPECT_FALSE(LoadAll(*image, dir.Folder(), nullptr, &notes));
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].rfind(config + " is far larger", 0), 0u) << notes[0];
    EXPECT_EQ(notes[1], "CurrentProfile -1 is no profile: profile 0 made current");
    EXPECT_EQ(image->CurrentProfile, 0);
    EXPECT_STREQ(image->Profiles[4].ProFileName, "Default5"); // the profiles still load

    EXPECT_FALSE(SaveAll(*image, dir.Folder()));
    EXPECT_FALSE(WriteDevice(config, 1));
    EXPECT_EQ(ReadDevice(config), 0);
    EXPECT_EQ(std::filesystem::file_size(config), kHugeFileBytes);
}

TEST_F(HugeSettingsFile, ProfileFileGivesItsProfileTheDefaultsAndIsKept) {
    const std::string profile = ProfileFilePath(dir.Folder(), 3);
    MakeHugeFile(profile);
    auto image = NewImage();
    LoadNotes notes;
    EXPECT_FALSE(LoadAll(*image, dir.Folder(), nullptr, &notes));
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find(profile), std::string::npos);
    EXPECT_STREQ(image->Profiles[3].ProFileName, "Default4");
    EXPECT_FALSE(LoadProfile(image->Profiles[3], profile));

    EXPECT_FALSE(SaveAll(*image, dir.Folder()));
    EXPECT_EQ(std::filesystem::file_size(profile), kHugeFileBytes);
}

} // namespace
} // namespace mervik
