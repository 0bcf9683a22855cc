#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"
#include "tests/settings/TempFolder.h"
#include "ui/core/UnappliedEdits.h"

namespace mervik::ui {
namespace {

using testing::TempFolder;

std::unique_ptr<SharedSettingsBlock> Defaults() {
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    ResetAllProfiles(*image);
    image->CurrentProfile = 0;
    return image;
}

// The setup closed Option holding edits; the update (or Monitor) changed
// other values before the next start. The edits come back over the values of
// now, and only once.
TEST(UnappliedEdits, KeptEditsComeBackOverTheSettingsOfNowOnce) {
    TempFolder dir;
    auto unedited = Defaults();
    auto edited = std::make_unique<SharedSettingsBlock>(*unedited);
    edited->Profiles[1].MouseSpeed = 17;
    SetTextField(edited->Profiles[0].ProFileName, "Racing");
    edited->CurrentProfile = 1;
    ASSERT_TRUE(KeepUnappliedEdits(dir.Folder(), *unedited, *edited));

    auto now = Defaults();
    now->Profiles[3].Cpi_X = 4; // changed meanwhile
    now->Profiles[1].MouseSpeed = 3;
    LoadNotes notes;
    EXPECT_EQ(TakeUnappliedEdits(dir.Folder(), *now, &notes), KeptEdits::Taken);
    EXPECT_EQ(now->Profiles[1].MouseSpeed, 17);
    EXPECT_EQ(TextOfField(now->Profiles[0].ProFileName), "Racing");
    EXPECT_EQ(now->CurrentProfile, 1);
    EXPECT_EQ(now->Profiles[3].Cpi_X, 4) << "a value the user did not edit keeps today's";
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(TakeUnappliedEdits(dir.Folder(), *now, &notes), KeptEdits::None)
        << "offered a second time";
}

// Outside data like any file: a damaged or foreign file is never taken, and
// never written over.
TEST(UnappliedEdits, AFileThatCannotBeReadIsLeftAlone) {
    TempFolder dir;
    auto unedited = Defaults();
    const std::string path = UnappliedEditsPath(dir.Folder());
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    TempFolder::Write(path, "MervikUnappliedEdits1 cut short");
    auto now = Defaults();
    auto before = std::make_unique<SharedSettingsBlock>(*now);
    LoadNotes notes;
    EXPECT_EQ(TakeUnappliedEdits(dir.Folder(), *now, &notes), KeptEdits::Unreadable);
    EXPECT_EQ(std::memcmp(now.get(), before.get(), sizeof *now), 0);
    EXPECT_EQ(notes.size(), 1u);
    EXPECT_FALSE(KeepUnappliedEdits(dir.Folder(), *unedited, *unedited));
    EXPECT_EQ(TempFolder::Read(path), "MervikUnappliedEdits1 cut short");

    // Values no control can show are mended, as for any block read.
    std::filesystem::remove(path);
    auto edited = std::make_unique<SharedSettingsBlock>(*unedited);
    edited->Profiles[2].MouseSpeed = 9999;
    ASSERT_TRUE(KeepUnappliedEdits(dir.Folder(), *unedited, *edited));
    EXPECT_EQ(TakeUnappliedEdits(dir.Folder(), *now, &notes), KeptEdits::Taken);
    EXPECT_EQ(now->Profiles[2].MouseSpeed, before->Profiles[2].MouseSpeed);
}

} // namespace
} // namespace mervik::ui
