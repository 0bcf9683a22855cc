#include <gtest/gtest.h>

#include <memory>

#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"
#include "ui/core/ProfileSwitchFollow.h"

namespace mervik::ui {
namespace {

std::unique_ptr<SharedSettingsBlock> DefaultBlock() {
    auto block = std::make_unique<SharedSettingsBlock>();
    CreateImage(*block);
    ResetAllProfiles(*block);
    return block;
}

TEST(ProfileSwitchFollow, EditsOfAnyProfileSurviveAndOnlyTheIndexMoves) {
    auto applied = DefaultBlock();
    auto working = std::make_unique<SharedSettingsBlock>(*applied);
    // Unapplied edits: a rename of profile 1, a speed of profile 0 (current).
    SetTextField(working->Profiles[1].ProFileName, "Racing");
    working->Profiles[0].MouseSpeed = 17;
    working->CurrentProfile = 1; // chosen in the strip, not applied

    auto fresh = std::make_unique<SharedSettingsBlock>(*applied);
    fresh->CurrentProfile = 3;
    // Monitor's block changed a profile the user did not touch, and one the user did.
    fresh->Profiles[2].Cpi_X = 4;
    fresh->Profiles[1].Cpi_X = 5;

    FollowProfileSwitch(*working, *applied, *fresh);
    EXPECT_EQ(working->CurrentProfile, 3);
    EXPECT_EQ(TextOfField(working->Profiles[1].ProFileName), "Racing");
    EXPECT_EQ(working->Profiles[1].Cpi_X, applied->Profiles[1].Cpi_X)
        << "an edited profile stays whole";
    EXPECT_EQ(working->Profiles[0].MouseSpeed, 17);
    EXPECT_EQ(working->Profiles[2].Cpi_X, 4) << "an untouched profile takes Monitor's";
}

TEST(ProfileSwitchFollow, ABlockWithoutACurrentProfileKeepsTheIndex) {
    auto applied = DefaultBlock();
    auto working = std::make_unique<SharedSettingsBlock>(*applied);
    working->CurrentProfile = 2;
    auto fresh = std::make_unique<SharedSettingsBlock>(*applied);
    fresh->CurrentProfile = -1;
    fresh->LedType = 3;
    FollowProfileSwitch(*working, *applied, *fresh);
    EXPECT_EQ(working->CurrentProfile, 2);
    EXPECT_EQ(working->LedType, 3);
}

} // namespace
} // namespace mervik::ui
