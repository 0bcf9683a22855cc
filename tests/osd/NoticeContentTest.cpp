#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "osd/core/NoticeContent.h"
#include "service/core/DeviceNotices.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"

namespace mervik::osd {
namespace {

const NoticeTexts kTexts{"DPI level %1", "Resolution", "%1 DPI",    "Report rate",
                         "%1 Hz",        "Profile",    "Profile %1"};

struct NoticeContentTest : ::testing::Test {
    std::unique_ptr<SharedSettingsBlock> image = std::make_unique<SharedSettingsBlock>();
    void SetUp() override {
        std::memset(image.get(), 0, sizeof *image);
        CreateImage(*image);
        ResetAllProfiles(*image);
        image->CurrentProfile = 1;
    }
    ProfileRecord& Current() { return image->Profiles[1]; }
};

TEST_F(NoticeContentTest, ProfileNoticeNamesTheProfile) {
    SetTextField(image->Profiles[3].ProFileName, "Racing");
    SetTextField(image->Profiles[2].ProFileName, "   ");
    EXPECT_EQ(ProfileNotice(3, image.get(), kTexts), (Notice{"Profile", "Racing"}));
    EXPECT_EQ(ProfileNotice(2, image.get(), kTexts), (Notice{"Profile", "Profile 3"}));
    // Without Monitor's block the number still tells which.
    EXPECT_EQ(ProfileNotice(3, nullptr, kTexts), (Notice{"Profile", "Profile 4"}));
    // An index from another program's message.
    EXPECT_FALSE(ProfileNotice(5, image.get(), kTexts));
    EXPECT_FALSE(ProfileNotice(-1, image.get(), kTexts));
}

TEST_F(NoticeContentTest, DpiNoticeGivesTheLevelInUseWhenTheImageAgrees) {
    Current().Cpi_X = 2;
    Current().CpiLevel_X[2] = 4; // 1000 DPI
    const std::string stored = OsdDpiText(Current());
    EXPECT_EQ(StoredTextNotice(stored, image.get(), kTexts), (Notice{"DPI level 3", "1000 DPI"}));

    // A later press already in the image: the level is not this text's.
    Current().Cpi_X = 3;
    Current().CpiLevel_X[3] = 8;
    EXPECT_EQ(StoredTextNotice(stored, image.get(), kTexts), (Notice{"Resolution", "1000 DPI"}));
    EXPECT_EQ(StoredTextNotice(stored, nullptr, kTexts), (Notice{"Resolution", "1000 DPI"}));

    // Whatever another program left in the block is checked, not followed.
    image->CurrentProfile = 9;
    EXPECT_EQ(StoredTextNotice(stored, image.get(), kTexts), (Notice{"Resolution", "1000 DPI"}));
    image->CurrentProfile = 1;
    Current().Cpi_X = 40;
    EXPECT_EQ(StoredTextNotice(stored, image.get(), kTexts), (Notice{"Resolution", "1000 DPI"}));
}

TEST_F(NoticeContentTest, RateAndOtherTexts) {
    EXPECT_EQ(StoredTextNotice(OsdRateText(3), image.get(), kTexts),
              (Notice{"Report rate", "1000 Hz"}));
    // Another program's notice (WM_COPYDATA) is shown as it came.
    EXPECT_EQ(StoredTextNotice("3 new messages", image.get(), kTexts),
              (Notice{"", "3 new messages"}));
    EXPECT_EQ(StoredTextNotice("CPI: 0", image.get(), kTexts), (Notice{"", "CPI: 0"}));
    EXPECT_FALSE(StoredTextNotice("", image.get(), kTexts));

    EXPECT_EQ(NoticeLine({"Profile", "Racing"}), "Profile: Racing");
    EXPECT_EQ(NoticeLine({"", "3 new messages"}), "3 new messages");
}

} // namespace
} // namespace mervik::osd
