// A profile from outside (a file, the shared block, an import) comes out of
// the check as one a profile file could hold; what cannot be mended takes its
// default, and the report names every field touched.
#include "settings/ProfileCheck.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "settings/FilePaths.h"
#include "settings/FunctionCodes.h"
#include "settings/IniDocument.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsFiles.h"
#include "tests/settings/ProfileSamples.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

using testing::FillSampleProfile;
using testing::TempFolder;
using Keys = std::vector<std::string>;

bool SameBytes(const ProfileRecord& a, const ProfileRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::unique_ptr<ProfileRecord> Sample() {
    auto record = std::make_unique<ProfileRecord>();
    FillSampleProfile(*record, 3);
    return record;
}

TEST(CheckProfile, KeepsASoundProfileByteForByte) {
    auto record = Sample();
    const auto before = std::make_unique<ProfileRecord>(*record);
    const ProfileCheck check = CheckProfile(*record, 2);
    EXPECT_TRUE(check.Clean()) << DescribeProfileCheck(check, 2);
    EXPECT_TRUE(SameBytes(*record, *before));
}

// What another program may leave in the shared block: texts without their
// terminators, a function no button has, bounds overrun.
TEST(CheckProfile, MendsOrRefusesEachHostileFieldAndNamesIt) {
    auto record = Sample();
    std::memset(record->ProFileName, 'A', sizeof record->ProFileName);
    std::memset(record->GameFile, 'B', sizeof record->GameFile);
    record->Orientation = 0x7FFFFFFF;
    record->Buttons[4].Function = 0xEE;
    record->Buttons[9].EventCount = 999;
    std::memset(record->Buttons[9].MacroName, 'M', sizeof record->Buttons[9].MacroName);
    record->Buttons[12].Slot = 40;

    const ProfileCheck check = CheckProfile(*record, 3);

    EXPECT_EQ(check.refused, (Keys{"ProFileName", "GameFile", "Orientation", "MacroKeyInfo4"}));
    EXPECT_EQ(check.repaired, (Keys{"MacroKeyInfo9", "MacroKeyInfo12"}));
    EXPECT_EQ(DescribeProfileCheck(check, 3),
              "profile 3: ProFileName GameFile Orientation MacroKeyInfo4 refused, set to their "
              "defaults; MacroKeyInfo9 MacroKeyInfo12 repaired");
    EXPECT_STREQ(record->ProFileName, "Default4");
    EXPECT_STREQ(record->GameFile, "");
    EXPECT_EQ(record->Orientation, 0);
    EXPECT_EQ(record->Buttons[4].Function, fn::DefaultFunction(4));
    EXPECT_EQ(record->Buttons[4].EventCount, 0);
    EXPECT_EQ(record->Buttons[9].EventCount, kMaxMacroEvents);
    EXPECT_EQ(std::string(record->Buttons[9].MacroName), std::string(19, 'M'));
    EXPECT_EQ(record->Buttons[12].Slot, 12);
}

// The name and link rules are the profile strip's: a line break, a folder for
// a program, blanks around a name.
TEST(CheckProfile, TextsFollowTheStripsRules) {
    struct Case {
        const char* name;
        const char* link;
        Keys refused, repaired;
        const char* nameAfter;
        const char* linkAfter;
    };
    const Case cases[] = {
        {"Racing", "C:\\Games\\", {"GameFile"}, {}, "Racing", ""},
        {"Two\r\nlines", "C:\\a.exe", {"ProFileName"}, {}, "Default1", "C:\\a.exe"},
        {"  Racing ", "  ", {}, {"ProFileName", "GameFile"}, "Racing", ""},
        {"Racing", "C:\\a\tb.exe", {"GameFile"}, {}, "Racing", ""},
    };
    for (const Case& c : cases) {
        auto record = Sample();
        SetTextField(record->ProFileName, c.name);
        SetTextField(record->GameFile, c.link);
        const ProfileCheck check = CheckProfile(*record, 0);
        EXPECT_EQ(check.refused, c.refused) << c.name << " / " << c.link;
        EXPECT_EQ(check.repaired, c.repaired) << c.name << " / " << c.link;
        EXPECT_STREQ(record->ProFileName, c.nameAfter);
        EXPECT_STREQ(record->GameFile, c.linkAfter);
    }
}

// Whatever bytes arrive, the checked profile survives a save and a load
// unchanged and passes the check again: nothing a file could not hold.
TEST(CheckProfile, AnyBytesComeOutAsAProfileAFileHolds) {
    TempFolder dir;
    const std::string path = dir.File("profile.gmp");
    std::mt19937 random(22);
    for (int round = 0; round < 20; ++round) {
        auto record = std::make_unique<ProfileRecord>();
        auto* bytes = reinterpret_cast<unsigned char*>(record.get());
        for (size_t i = 0; i < sizeof *record; ++i)
            bytes[i] = static_cast<unsigned char>(random());
        CheckProfile(*record, round % kProfileCount);
        const auto checked = std::make_unique<ProfileRecord>(*record);

        ASSERT_TRUE(SaveProfile(*record, path));
        auto loaded = std::make_unique<ProfileRecord>();
        ASSERT_TRUE(LoadProfile(*loaded, path));
        const ProfileCheck again = CheckProfile(*loaded, round % kProfileCount);
        EXPECT_TRUE(again.Clean()) << round << ": " << DescribeProfileCheck(again, 0);
        // The indicator bytes are read from other keys than they are saved to.
        std::memcpy(loaded->dpiIndicator, checked->dpiIndicator, sizeof loaded->dpiIndicator);
        EXPECT_TRUE(SameBytes(*loaded, *checked)) << round;
    }
}

TEST(CheckImageProfiles, NotesEachProfileWithFindingsAndLeavesTheIndexAlone) {
    auto image = std::make_unique<SharedSettingsBlock>();
    ResetAllProfiles(*image);
    image->CurrentProfile = 7;
    image->Profiles[3].Orientation = -1;
    EXPECT_EQ(CheckImageProfiles(*image),
              LoadNotes{"profile 3: Orientation refused, set to their defaults"});
    EXPECT_EQ(image->Profiles[3].Orientation, 0);
    EXPECT_EQ(image->CurrentProfile, 7);
}

// A block another program wrote may name no profile; saving it keeps the
// file's current profile rather than writing a number no profile has.
TEST(SaveAll, NeverSavesACurrentProfileOutsideTheFive) {
    TempFolder dir;
    auto image = std::make_unique<SharedSettingsBlock>();
    ResetAllProfiles(*image);
    image->CurrentProfile = 3;
    ASSERT_TRUE(SaveAll(*image, dir.Folder()));
    for (int32_t stray : {0x7FFFFFFF, -1, 5}) {
        image->CurrentProfile = stray;
        ASSERT_TRUE(SaveAll(*image, dir.Folder()));
        EXPECT_EQ(IniDocument(TempFolder::Read(ConfigFilePath(dir.Folder())))
                      .ReadInt("Setting", "CurrentProfile", -9),
                  3)
            << stray;
    }
}

} // namespace
} // namespace mervik
