// Values no field can hold, read from a damaged profile file, go back to the
// field's default where they enter (load all); values in range stay as stored.
#include "settings/ProfileRanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "settings/FilePaths.h"
#include "settings/IniDocument.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileKeys.h"
#include "settings/SettingsFiles.h"
#include "tests/settings/ProfileSamples.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

using testing::FillSampleImage;
using testing::TempFolder;

using Numbers = std::vector<std::pair<std::string, int64_t>>;

struct CollectNumbers {
    Numbers numbers;
    template <size_t N> void Text(std::string_view, const char (&)[N]) {}
    void Int(std::string_view key, int32_t v) { numbers.emplace_back(key, v); }
    void Byte(std::string_view key, uint8_t v, std::string_view) { numbers.emplace_back(key, v); }
    void Slot(std::string_view, const ButtonAssignment&, int) {}
};

// Every integer and byte field under its key, in file order.
Numbers NumbersOf(const ProfileRecord& record) {
    CollectNumbers collect;
    ForEachProfileKey(record, collect);
    return collect.numbers;
}

int64_t ValueOf(const Numbers& numbers, std::string_view key) {
    for (const auto& [k, v] : numbers)
        if (k == key)
            return v;
    ADD_FAILURE() << "no field " << key;
    return 0;
}

ProfileRecord Defaults() {
    ProfileRecord record;
    std::memset(&record, 0, sizeof record);
    ResetProfile(record, 0);
    return record;
}

struct Damage {
    const char* key;
    const char* stored; // nullptr: the key's line is gone
};

// In file order, as the note lists them.
constexpr Damage kDamage[] = {
    {"DbleClickSpeed", "2147483647"},
    {"ScrollWheelSpeed", "2147483647"},
    {"ScrollWheelFlag", "2"},
    {"MouseSpeed", "0"},
    {"Acceleration", "20"},
    {"AccelerationFlag", nullptr},
    {"Orientation", nullptr}, // -1 would swap the mouse buttons system-wide
    {"LightSwitch", "-1"},
    {"Sensitivity_X", "21"},
    {"Cpi_X", "148"},
    {"Cpi_Y", nullptr},
    {"CpiLevel_X3", "13"},
    {"CpiLevel_Y0", "0"},
    {"PollingRate", "4"},
    {"LedColor", "16777216"},
    {"ModeStatus", "3"},
    {"8SLEDColor7", "-1"},
    {"dpiStepFlag6", nullptr},
};

class DamagedProfileFile : public ::testing::Test {
protected:
    void SetUp() override {
        FillSampleImage(*saved);
        ASSERT_TRUE(SaveAll(*saved, dir.Folder()));
    }
    std::string Path() const { return ProfileFilePath(dir.Folder(), kDamaged); }
    // Replaces or removes each damaged key's line of the written file.
    void Damage() const {
        std::string text = TempFolder::Read(Path());
        for (const auto& d : kDamage) {
            const std::string head = "\r\n" + std::string(d.key) + "=";
            const size_t begin = text.find(head) + 2;
            ASSERT_NE(begin, std::string::npos + 2) << d.key;
            const size_t end = text.find("\r\n", begin) + 2;
            text.replace(begin, end - begin,
                         d.stored ? std::string(d.key) + "=" + d.stored + "\r\n" : "");
        }
        TempFolder::Write(Path(), text);
    }

    static constexpr int kDamaged = 1;
    TempFolder dir;
    std::unique_ptr<SharedSettingsBlock> saved = std::make_unique<SharedSettingsBlock>();
    std::unique_ptr<SharedSettingsBlock> loaded = std::make_unique<SharedSettingsBlock>();
};

TEST_F(DamagedProfileFile, LoadsWithDefaultsForExactlyTheBadFieldsAndSaysWhich) {
    Damage();
    LoadNotes notes;
    ASSERT_TRUE(LoadAll(*loaded, dir.Folder(), nullptr, &notes));

    std::string expected = "profile " + std::to_string(kDamaged) + ":";
    for (const auto& d : kDamage)
        expected.append(" ").append(d.key);
    EXPECT_EQ(notes, LoadNotes{expected + " refused, set to their defaults"});

    const Numbers defaults = NumbersOf(Defaults());
    const Numbers stored = NumbersOf(saved->Profiles[kDamaged]);
    for (const auto& [key, value] : NumbersOf(loaded->Profiles[kDamaged])) {
        const bool damaged = std::any_of(std::begin(kDamage), std::end(kDamage),
                                         [&](const auto& d) { return key == d.key; });
        EXPECT_EQ(value, ValueOf(damaged ? defaults : stored, key)) << key;
    }
}

TEST_F(DamagedProfileFile, SavedBackHoldsTheDefaultsInsteadOfTheDamage) {
    Damage();
    ASSERT_TRUE(LoadAll(*loaded, dir.Folder()));
    ASSERT_TRUE(SaveAll(*loaded, dir.Folder()));
    const IniDocument file(TempFolder::Read(Path()));
    const Numbers defaults = NumbersOf(Defaults());
    for (const auto& d : kDamage)
        EXPECT_EQ(file.ReadInt("Setting", d.key, -1), ValueOf(defaults, d.key)) << d.key;
}

TEST_F(DamagedProfileFile, AnEmptyFileLoadsNoFieldOutsideItsRange) {
    TempFolder::Write(Path(), "");
    EXPECT_FALSE(LoadAll(*loaded, dir.Folder())) << "the suite never writes an empty profile";
    ProfileRecord again = loaded->Profiles[kDamaged];
    EXPECT_TRUE(RepairProfileRanges(again).empty());
    EXPECT_EQ(loaded->Profiles[kDamaged].Orientation, 0);
    EXPECT_EQ(loaded->Profiles[kDamaged].Cpi_X, 2);
}

TEST_F(DamagedProfileFile, SoundFilesLoadWithoutNotesAndSaveBackByteForByte) {
    std::vector<std::string> paths{ConfigFilePath(dir.Folder())}, before;
    for (int n = 0; n < kProfileFileCount; ++n)
        paths.push_back(ProfileFilePath(dir.Folder(), n));
    for (const std::string& path : paths)
        before.push_back(TempFolder::Read(path));
    LoadNotes notes;
    ASSERT_TRUE(LoadAll(*loaded, dir.Folder(), nullptr, &notes));
    EXPECT_TRUE(notes.empty());
    ASSERT_TRUE(SaveAll(*loaded, dir.Folder()));
    for (size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(TempFolder::Read(paths[i]), before[i]) << paths[i];
}

} // namespace
} // namespace mervik
