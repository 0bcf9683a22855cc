// The rules behind the tray: the menu's items and the names, tip and texts
// the service shows for a profile.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "contract/ProgramMessages.h"
#include "service/core/MonitorConstants.h"
#include "service/core/ProfileLabels.h"
#include "service/core/TrayMenu.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"

namespace mervik {
namespace {

using namespace monitor;

struct TrayMenuModel : ::testing::Test {
    std::unique_ptr<SharedSettingsBlock> image = std::make_unique<SharedSettingsBlock>();
    TrayMenuTexts texts{"&Open", "E&xit", "Profile %1", "&Again"};
    void SetUp() override {
        CreateImage(*image);
        ResetAllProfiles(*image);
    }
};

TEST_F(TrayMenuModel, OpenProfilesExitWithTheCurrentOneChecked) {
    image->CurrentProfile = 2;
    SetTextField(image->Profiles[1].GameFile, "  D:\\Games\\Big Game\\BIG.EXE ");
    SetTextField(image->Profiles[3].ProFileName, "Tom & Jerry");
    SetTextField(image->Profiles[3].GameFile, "C:cartoon&co.exe");
    SetTextField(image->Profiles[4].ProFileName, "   ");

    const std::vector<TrayMenuItem> items = TrayMenuItems(*image, texts);
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items.front().command, kCmdOpenCustomizer);
    EXPECT_EQ(items.front().label, "&Open"); // the access key marked by the text
    EXPECT_TRUE(items.front().isDefault);
    EXPECT_EQ(items[1].command, 0u) << "a separator";
    EXPECT_EQ(items[7].command, 0u);
    EXPECT_EQ(items.back().command, kCmdExit);
    EXPECT_EQ(items.back().label, "E&xit");

    // Each profile's number is its access key; names show their own '&'.
    const std::vector<std::string> labels = {"&1 Default1", "&2 Default2\tBIG.EXE", "&3 Default3",
                                             "&4 Tom && Jerry\tcartoon&&co.exe", "&5 Profile 5"};
    for (int i = 0; i < kProfileCount; ++i) {
        const TrayMenuItem& item = items[static_cast<size_t>(2 + i)];
        EXPECT_EQ(item.label, labels[static_cast<size_t>(i)]);
        EXPECT_TRUE(item.radio);
        EXPECT_EQ(item.checked, i == 2);
        EXPECT_FALSE(item.isDefault);
        EXPECT_EQ(ProfileOfTrayCommand(item.command), i);
    }
    EXPECT_FALSE(ProfileOfTrayCommand(kCmdOpenCustomizer));
    EXPECT_FALSE(ProfileOfTrayCommand(kCmdExit));
    EXPECT_FALSE(ProfileOfTrayCommand(kCmdFirstProfile + kProfileCount));
}

TEST_F(TrayMenuModel, NoProfileCheckedWhenNoneIsActive) {
    image->CurrentProfile = 9;
    for (const TrayMenuItem& item : TrayMenuItems(*image, texts))
        EXPECT_FALSE(item.checked);
}

TEST_F(TrayMenuModel, AFullNameFieldWithoutTerminatorIsShownWithinTheField) {
    std::memset(image->Profiles[0].ProFileName, 'N', sizeof image->Profiles[0].ProFileName);
    const std::vector<TrayMenuItem> items = TrayMenuItems(*image, texts);
    EXPECT_EQ(items[2].label, "&1 " + std::string(sizeof image->Profiles[0].ProFileName, 'N'));
}

TEST_F(TrayMenuModel, SendAgainFollowsTheDefaultItemWhenOffered) {
    const std::vector<TrayMenuItem> items = TrayMenuItems(*image, texts, true);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[1].command, kCmdSendAgain);
    EXPECT_EQ(items[1].label, "&Again");
    EXPECT_FALSE(items[1].isDefault);
    EXPECT_FALSE(items[1].radio);
    EXPECT_EQ(items[2].command, 0u);
}

// What the state says is never cut off the tip: the tip before it is.
TEST(ProfileLabels, ATipWithItsStateKeepsTheState) {
    EXPECT_EQ(TipWithState("%1 (not in the mouse)", "Mouse - FPS"),
              "Mouse - FPS (not in the mouse)");
    const std::string longTip(kTipMaxChars, 't');
    const std::string cut = TipWithState("%1 (no mouse)", longTip);
    EXPECT_EQ(cut.size(), kTipMaxChars);
    EXPECT_EQ(cut.substr(cut.size() - 11), " (no mouse)");
    EXPECT_EQ(TipWithState("", "Mouse - FPS"), "Mouse - FPS") << "no language library";
    EXPECT_EQ(TipWithState(std::string(70, 's') + "%1", "Mouse").size(), kTipMaxChars);
}

TEST(ProfileLabels, TipNamesTheProfileAndIsCutWholeCharacters) {
    EXPECT_EQ(TrayTipText("%1 - %2", "Mouse", "FPS"), "Mouse - FPS");
    EXPECT_EQ(TrayTipText("%1 - %2", "Mouse", ""), "Mouse") << "no profile active";
    EXPECT_EQ(TrayTipText("%2 (%1) %3", "Mouse", "FPS"), "FPS (Mouse) %3");

    const std::string longName(80, 'x');
    EXPECT_EQ(TrayTipText("%1 - %2", "Mouse", longName).size(), kTipMaxChars);
    // A double-byte character across the limit is left out whole.
    const std::string wide = std::string(kTipMaxChars - 1, 'a') + "\xC5\xE4";
    EXPECT_EQ(CutText(wide, kTipMaxChars), std::string(kTipMaxChars - 1, 'a'));
    EXPECT_EQ(CutText("\xC5\xE4\xD6\xC3", 3), "\xC5\xE4");
    EXPECT_EQ(CutText("ab", 63), "ab");
}

} // namespace
} // namespace mervik
