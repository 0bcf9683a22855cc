#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"
#include "ui/core/MonitorFollow.h"

namespace mervik::ui {
namespace {

constexpr MonitorNews kEveryNews[] = {MonitorNews::DpiReadBack, MonitorNews::ProfileSwitched,
                                      MonitorNews::MouseChangedLevel};

// The three copies of the main window, all starting as one default block.
struct Copies {
    std::unique_ptr<SharedSettingsBlock> applied = std::make_unique<SharedSettingsBlock>();
    std::unique_ptr<SharedSettingsBlock> working;
    std::unique_ptr<SharedSettingsBlock> fresh;

    Copies() {
        CreateImage(*applied);
        ResetAllProfiles(*applied);
        applied->CurrentProfile = 0;
        working = std::make_unique<SharedSettingsBlock>(*applied);
        fresh = std::make_unique<SharedSettingsBlock>(*applied);
    }
    void Follow(MonitorNews news) { FollowMonitor(news, *working, *applied, *fresh); }
};

TEST(MonitorFollow, ASwitchTakesWhatTheUserLeftAndKeepsEveryEdit) {
    Copies c;
    SetTextField(c.working->Profiles[1].ProFileName, "Racing");
    c.working->Profiles[0].MouseSpeed = 17;
    c.working->Profiles[0].Buttons[3].Function = 9;
    c.working->LedType = 2;
    // Monitor changed an untouched profile, other fields of edited ones, and
    // a field of a slot the user edited.
    c.fresh->Profiles[2].Cpi_X = 4;
    c.fresh->Profiles[1].Brightness = 1;
    c.fresh->Profiles[0].PollingRate = 1;
    c.fresh->Profiles[0].Buttons[3].FireCount = 40;
    c.fresh->MouseType = 6;
    c.fresh->LedType = 1;
    const int32_t fireCountBefore = c.working->Profiles[0].Buttons[3].FireCount;

    c.Follow(MonitorNews::ProfileSwitched);
    EXPECT_EQ(TextOfField(c.working->Profiles[1].ProFileName), "Racing");
    EXPECT_EQ(c.working->Profiles[0].MouseSpeed, 17);
    EXPECT_EQ(c.working->LedType, 2);
    EXPECT_EQ(c.working->Profiles[2].Cpi_X, 4);
    EXPECT_EQ(c.working->Profiles[1].Brightness, 1);
    EXPECT_EQ(c.working->Profiles[0].PollingRate, 1);
    EXPECT_EQ(c.working->MouseType, 6);
    EXPECT_EQ(c.working->Profiles[0].Buttons[3].Function, 9);
    EXPECT_EQ(c.working->Profiles[0].Buttons[3].FireCount, fireCountBefore)
        << "an edited slot stays whole";
    EXPECT_EQ(std::memcmp(c.applied.get(), c.fresh.get(), sizeof *c.fresh), 0);
}

TEST(MonitorFollow, EveryFieldOfAnUntouchedProfileFollowsASwitch) {
    Copies c;
    std::memset(&c.fresh->Profiles[4], 0x5A, sizeof c.fresh->Profiles[4]);
    c.Follow(MonitorNews::ProfileSwitched);
    EXPECT_EQ(std::memcmp(&c.working->Profiles[4], &c.fresh->Profiles[4], sizeof(ProfileRecord)),
              0);
}

// The level messages announce the level (and 1256 the rate) of Monitor's
// current profile; whatever else differs in the block is not theirs to bring.
TEST(MonitorFollow, TheLevelMessagesTakeOnlyWhatTheyAnnounce) {
    for (MonitorNews news : {MonitorNews::DpiReadBack, MonitorNews::MouseChangedLevel}) {
        SCOPED_TRACE(static_cast<int>(news));
        Copies c;
        c.fresh->Profiles[0].Cpi_X = 4;
        c.fresh->Profiles[0].PollingRate = 1;
        c.fresh->Profiles[0].Brightness = 77;
        c.fresh->Profiles[2].Cpi_X = 5;
        c.fresh->MouseType = 6;
        auto before = std::make_unique<SharedSettingsBlock>(*c.working);
        c.Follow(news);
        const bool rate = news == MonitorNews::MouseChangedLevel;
        EXPECT_EQ(c.working->Profiles[0].Cpi_X, 4);
        EXPECT_EQ(c.working->Profiles[0].PollingRate, rate ? 1 : before->Profiles[0].PollingRate);
        EXPECT_EQ(c.working->Profiles[0].Brightness, before->Profiles[0].Brightness);
        EXPECT_EQ(c.working->Profiles[2].Cpi_X, before->Profiles[2].Cpi_X);
        EXPECT_EQ(c.working->MouseType, before->MouseType);
        EXPECT_EQ(std::memcmp(c.working.get(), c.applied.get(), sizeof *c.applied), 0)
            << "the applied copy took the same, so nothing looks edited";
    }
}

TEST(MonitorFollow, OnlyTheMouseOwnButtonsWinOverAnEditedLevelOrRate) {
    for (MonitorNews news : kEveryNews) {
        SCOPED_TRACE(static_cast<int>(news));
        Copies c;
        ASSERT_EQ(c.applied->Profiles[0].Cpi_X, 2);
        ASSERT_EQ(c.applied->Profiles[0].PollingRate, 2);
        c.working->Profiles[0].Cpi_X = 1;
        c.working->Profiles[0].PollingRate = 1;
        c.fresh->Profiles[0].Cpi_X = 3;
        c.fresh->Profiles[0].PollingRate = 0;
        c.Follow(news);
        const bool mouseWins = news == MonitorNews::MouseChangedLevel;
        EXPECT_EQ(c.working->Profiles[0].Cpi_X, mouseWins ? 3 : 1);
        EXPECT_EQ(c.working->Profiles[0].PollingRate, mouseWins ? 0 : 1);
    }
}

TEST(MonitorFollow, TheMouseLevelLandsOnTheProfileMonitorHasCurrent) {
    Copies c;
    c.working->CurrentProfile = 1; // chosen in the strip, not applied
    c.working->Profiles[2].Cpi_X = 1;
    c.fresh->CurrentProfile = 2;
    c.applied->CurrentProfile = 2;
    c.fresh->Profiles[2].Cpi_X = 4;
    c.Follow(MonitorNews::MouseChangedLevel);
    EXPECT_EQ(c.working->Profiles[2].Cpi_X, 4);
    EXPECT_EQ(c.working->Profiles[1].Cpi_X, c.fresh->Profiles[1].Cpi_X);
    EXPECT_EQ(c.working->CurrentProfile, 1);
}

TEST(MonitorFollow, OnlyASwitchMovesTheCurrentIndex) {
    for (MonitorNews news : kEveryNews) {
        SCOPED_TRACE(static_cast<int>(news));
        const bool moves = news == MonitorNews::ProfileSwitched;
        Copies untouched;
        untouched.fresh->CurrentProfile = 3;
        untouched.Follow(news);
        EXPECT_EQ(untouched.working->CurrentProfile, moves ? 3 : 0);

        Copies chosen;
        chosen.working->CurrentProfile = 1; // in the strip, not applied
        chosen.fresh->CurrentProfile = 3;
        chosen.Follow(news);
        EXPECT_EQ(chosen.working->CurrentProfile, moves ? 3 : 1);

        Copies broken;
        broken.fresh->CurrentProfile = -1;
        broken.fresh->Profiles[0].Cpi_X = 4;
        broken.Follow(news);
        EXPECT_EQ(broken.working->CurrentProfile, 0) << "an index outside 0 to 4 never comes in";
        broken.fresh->CurrentProfile = kProfileCount;
        broken.Follow(news);
        EXPECT_EQ(broken.working->CurrentProfile, 0);
        EXPECT_EQ(broken.working->Profiles[0].Cpi_X, moves ? 4 : 2)
            << "no level lands without a profile it belongs to";
    }
}

// A command line tool renamed and linked a profile through Monitor while
// Option holds edits: the change comes in, every edit stays, and the profile
// the user chose stays chosen.
TEST(MonitorFollow, AChangeFromAnotherProgramComesInAndTheEditsStay) {
    Copies c;
    c.working->Profiles[0].MouseSpeed = 17;
    c.working->CurrentProfile = 1; // chosen in the strip, not applied
    SetTextField(c.fresh->Profiles[2].ProFileName, "Racing");
    SetTextField(c.fresh->Profiles[2].GameFile, "C:\\Games\\race.exe");
    c.fresh->CurrentProfile = 4;
    c.Follow(MonitorNews::BlockChanged);
    EXPECT_EQ(TextOfField(c.working->Profiles[2].ProFileName), "Racing");
    EXPECT_EQ(TextOfField(c.working->Profiles[2].GameFile), "C:\\Games\\race.exe");
    EXPECT_EQ(c.working->Profiles[0].MouseSpeed, 17);
    EXPECT_EQ(c.working->CurrentProfile, 1);
    EXPECT_EQ(std::memcmp(c.applied.get(), c.fresh.get(), sizeof *c.fresh), 0);

    Copies untouched;
    untouched.fresh->CurrentProfile = 3;
    untouched.Follow(MonitorNews::BlockChanged);
    EXPECT_EQ(untouched.working->CurrentProfile, 3);
}

// The applied copy takes Monitor's values too: otherwise they would look like
// the user's edits and stop the next message, and Apply would send them back.
TEST(MonitorFollow, AValueMonitorChangedIsNoEditAtTheNextMessage) {
    Copies c;
    c.fresh->Profiles[0].Cpi_X = 3;
    c.Follow(MonitorNews::MouseChangedLevel);
    c.fresh->Profiles[0].Cpi_X = 2;
    c.fresh->CurrentProfile = 4;
    c.Follow(MonitorNews::ProfileSwitched);
    EXPECT_EQ(c.working->Profiles[0].Cpi_X, 2);
    EXPECT_EQ(std::memcmp(c.working.get(), c.applied.get(), sizeof *c.applied), 0)
        << "nothing left that looks edited";
}

// What a level message leaves is still Monitor's, untaken: the next switch
// brings it, since the user did not edit it either.
TEST(MonitorFollow, WhatALevelMessageLeavesComesWithTheNextSwitch) {
    Copies c;
    c.fresh->Profiles[0].Brightness = 77;
    c.Follow(MonitorNews::MouseChangedLevel);
    EXPECT_NE(c.working->Profiles[0].Brightness, 77);
    c.Follow(MonitorNews::ProfileSwitched);
    EXPECT_EQ(c.working->Profiles[0].Brightness, 77);
}

TEST(MonitorFollow, ALevelMonitorPutsInUseComesWithMonitorsSwitch) {
    for (MonitorNews news : kEveryNews) {
        SCOPED_TRACE(static_cast<int>(news));
        Copies c;
        c.fresh->Profiles[0].dpiStepFlag[4] = 1;
        c.applied->Profiles[0].dpiStepFlag[4] = 1;
        c.working->Profiles[0].dpiStepFlag[4] = 0; // switched off, not applied
        c.fresh->Profiles[0].Cpi_X = 4;
        c.Follow(news);
        EXPECT_EQ(c.working->Profiles[0].Cpi_X, 4);
        EXPECT_EQ(c.working->Profiles[0].dpiStepFlag[4], 1);
    }
}

} // namespace
} // namespace mervik::ui
