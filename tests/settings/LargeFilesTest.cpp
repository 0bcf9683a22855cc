// Files far larger than the suite writes, and files just under the limit in
// the shapes that cost most per byte. A file over its limit is refused like
// one that cannot be read: reported, not loaded and never written over. One
// under it is read in one pass, whatever its lines look like.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "settings/ConfigFile.h"
#include "settings/FileLimits.h"
#include "settings/FilePaths.h"
#include "settings/IniDocument.h"
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

// A profile file filled to just under the limit with `filler` lines between
// a first and a last key of its section.
std::string FilledProfile(std::string_view filler) {
    const std::string head = "[Setting]\r\nMouseSpeed=7\r\n";
    const std::string tail = "Orientation=1\r\n";
    std::string text = head;
    while (text.size() + filler.size() + tail.size() < kMaxIniFileBytes)
        text += filler;
    return text + tail;
}

// "k<n>" (built by appending: gcc 12 misreads a literal + string at -O3).
std::string Key(size_t n) {
    return std::string("k").append(std::to_string(n));
}

std::string DistinctKeys() {
    std::string text;
    for (size_t n = 0; text.size() < kMaxIniFileBytes; ++n)
        text.append(Key(n)).append("=\n");
    return text;
}

TEST(FilesUnderTheLimit, EveryLineShapeIsReadInOnePass) {
    const struct {
        const char* shape;
        std::string filler;
    } shapes[] = {
        {"LF lines", "x\n"},
        {"CR lines", "x\r"},
        {"blank lines", "\n"},
        {"one repeated key", "MouseSpeed=9\r\n"},
        {"repeated sections", "[Setting]\r\n[Other]\r\n"},
        {"no line break at all", std::string(4096, 'z')},
    };
    for (const auto& s : shapes) {
        SCOPED_TRACE(s.shape);
        const std::string text = FilledProfile(s.filler);
        ASSERT_LE(text.size(), kMaxIniFileBytes);
        const IniDocument file(text);
        EXPECT_EQ(file.Bytes(), text);
        EXPECT_EQ(file.ReadInt("Setting", "MouseSpeed", -1), 7);
        // Behind the last repeated [Setting], or at the end of the line
        // without a break, the key is not reached: it is the section's own
        // last line only where the filler leaves it so.
        const bool reachable = s.filler.find('[') == std::string::npos &&
                               s.filler.find_first_of("\r\n") != std::string::npos;
        EXPECT_EQ(file.ReadInt("Setting", "Orientation", -1), reachable ? 1 : -1);
    }
    const std::string keys = DistinctKeys();
    const IniDocument many(keys);
    EXPECT_TRUE(many.Find("", "k0"));
    EXPECT_TRUE(many.Find("", Key(kMaxIniFileBytes / 16)));
}

} // namespace
} // namespace mervik
