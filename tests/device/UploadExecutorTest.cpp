#include <gtest/gtest.h>

#include <algorithm>

#include "device/DpiReadBack.h"
#include "device/ReportEncoder.h"
#include "device/SettingsReports.h"
#include "device/UploadExecutor.h"
#include "device/UploadProgress.h"
#include "protocol/PlanText.h"
#include "settings/FunctionCodes.h"
#include "tests/support/FakeDeviceLink.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

using namespace std::chrono_literals;
using testing::FakeClock;
using testing::FakeDeviceLink;

struct Executor : ::testing::Test {
    FakeClock clock;
    FakeDeviceLink link{clock};
    DeviceConnection connection{link, clock};
    std::unique_ptr<ProfileRecord> profile = testing::DefaultProfile();

    void SetUp() override {
        connection.Open();
        link.calls.clear();
    }

    // Each transfer of the plan with the least time that must pass before it.
    std::vector<std::pair<std::string, Clock::Duration>> Expected(const UploadPlan& plan) {
        std::vector<std::pair<std::string, Clock::Duration>> expected;
        Clock::Duration due{};
        for (const PlanStep& step : plan.Steps()) {
            if (step.kind == StepKind::Pause) {
                due += std::chrono::milliseconds(step.pauseMs);
                continue;
            }
            expected.emplace_back(PlanStepLine(step), due);
            due = {};
        }
        return expected;
    }

    void ExpectPacedAsPlanned(const UploadPlan& plan) {
        auto expected = Expected(plan);
        ASSERT_EQ(link.calls.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(link.calls[i].what, expected[i].first) << i;
            if (i == 0)
                continue;
            EXPECT_GE(link.calls[i].at - link.calls[i - 1].at, expected[i].second) << i;
        }
    }
};

TEST_F(Executor, SendsEveryTransferAfterItsPause) {
    profile->Buttons[4].Function = fn::Macro;
    profile->Buttons[4].EventCount = 2;
    profile->Buttons[4].Events[0] = {0x04, MacroPress, 30};
    profile->Buttons[4].Events[1] = {0x04, MacroRelease, 0};
    profile->Buttons[5].Function = fn::ShowDesktop;
    UploadPlan plan = EncodeUpload(*profile);
    UploadResult result = ExecuteUpload(plan, connection);
    EXPECT_TRUE(result.completed);
    ExpectPacedAsPlanned(plan);
    // With an exact clock the whole upload takes exactly the plan's pauses.
    EXPECT_EQ(clock.now - Clock::TimePoint{}, std::chrono::milliseconds(plan.TotalPauseMs()));
}

TEST_F(Executor, PausesHoldEvenWhenSleepsEndEarly) {
    clock.sleepShare = 0.3;
    UploadPlan plan = EncodeUpload(*profile);
    ExecuteUpload(plan, connection);
    ExpectPacedAsPlanned(plan);
    EXPECT_GE(clock.now - Clock::TimePoint{}, std::chrono::milliseconds(plan.TotalPauseMs()));
}

// Asked to stop once the DPI levels' announcement has gone: its block still
// goes out, and the pause after it is waited before the upload ends, so the
// next upload may start at once.
TEST_F(Executor, StopsBetweenGroupsWhenAsked) {
    UploadPlan plan = EncodeUpload(*profile);
    int asked = 0;
    UploadResult result =
        ExecuteUpload(plan, connection, [&] { return link.calls.size() >= 6 && ++asked; });
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(result.transfersSent, 7u);
    ASSERT_EQ(link.calls.size(), 7u);
    EXPECT_EQ(link.calls[6].what, "write 8 03 04 05 06 07 08 80 80");
    auto expected = Expected(plan);
    EXPECT_GE(clock.now - link.calls[6].at, expected[7].second)
        << "the pause before the next group";

    link.calls.clear();
    result = ExecuteUpload(plan, connection, [] { return false; });
    EXPECT_TRUE(result.completed);
    EXPECT_FALSE(result.stopped);
    ExpectPacedAsPlanned(plan);
}

TEST_F(Executor, NothingIsSentWhileTheMouseIsAway) {
    connection.OnConnectionEvent(2);
    link.calls.clear();
    UploadResult result = ExecuteUpload(EncodeUpload(*profile), connection);
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(link.calls.empty());
}

// How far an upload is goes by the pauses, which take nearly all its time,
// and only its end is 100 percent.
TEST_F(Executor, TellsEachTransferAndHowFarTheUploadIs) {
    const UploadPlan plan = EncodeUpload(*profile);
    const UploadProgress progress(plan);
    std::vector<int> percents;
    size_t transfers = 0;
    EXPECT_TRUE(ExecuteUpload(plan, connection, nullptr, [&](size_t step) {
                    ASSERT_NE(plan.Steps()[step].kind, StepKind::Pause);
                    ++transfers;
                    percents.push_back(progress.PercentAfter(step));
                }).completed);
    EXPECT_EQ(transfers, link.calls.size());
    EXPECT_EQ(percents.front(), 0);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_GE(percents.back(), 80) << "only the pauses after the last transfer remain";
    EXPECT_LE(percents.back(), 99);

    UploadPlan pauseless;
    pauseless.Feature(FixedReport());
    pauseless.Feature(FixedReport());
    EXPECT_EQ(UploadProgress(pauseless).PercentAfter(0), 50);
    EXPECT_EQ(UploadProgress(pauseless).PercentAfter(7), 99) << "past the end: nearly done";
    EXPECT_EQ(UploadProgress(UploadPlan()).PercentAfter(0), 0);
}

TEST_F(Executor, StopsAtTheFirstTransferThatFails) {
    UploadPlan plan = EncodeUpload(*profile);
    // The DPI levels' announcement, then its block: nothing may follow either.
    for (size_t failing : {6u, 7u}) {
        link.calls.clear();
        link.failIn = failing;
        UploadResult result = ExecuteUpload(plan, connection);
        EXPECT_FALSE(result.completed) << failing;
        EXPECT_EQ(result.transfersSent, failing - 1);
        EXPECT_EQ(link.calls.size(), failing);
    }
}

struct ReadBack : Executor {};

TEST_F(ReadBack, AnswerSetsTheActiveStage) {
    link.answer = MakeFeatureReport(0x8B, {1});
    profile->Cpi_X = 4;
    ReadBackResult r = ReadBackActiveDpiLevel(connection, profile.get());
    EXPECT_EQ(r.outcome, ReadBackOutcome::Read);
    EXPECT_EQ(profile->Cpi_X, 0);
    ASSERT_EQ(link.calls.size(), 2u);
    EXPECT_EQ(link.calls[0].what, "feature 8B 00 00 00 00 00 00 74");
    EXPECT_EQ(link.calls[1].what, "read feature 8B 00 00 00 00 00 00 00");
    EXPECT_GE(link.calls[1].at - link.calls[0].at, 100ms);
}

TEST_F(ReadBack, FailedOrOutOfRangeAnswersLeaveTheStage) {
    profile->Cpi_X = 3;
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, profile.get()).outcome, ReadBackOutcome::NoAnswer);
    for (uint8_t level : {0, 7, 0xFF}) {
        link.answer = MakeFeatureReport(0x8B, {level});
        EXPECT_EQ(ReadBackActiveDpiLevel(connection, profile.get()).outcome,
                  ReadBackOutcome::OutOfRange);
    }
    EXPECT_EQ(profile->Cpi_X, 3);
    link.answer = MakeFeatureReport(0x8B, {6});
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, nullptr).outcome, ReadBackOutcome::Read);
}

TEST_F(ReadBack, AFailedRequestIsNotFollowedByARead) {
    link.answer = MakeFeatureReport(0x8B, {1});
    link.failIn = 1;
    profile->Cpi_X = 3;
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, profile.get()).outcome, ReadBackOutcome::NoAnswer);
    EXPECT_EQ(link.Names(), (std::vector<std::string>{"feature 8B 00 00 00 00 00 00 74"}));
    EXPECT_EQ(profile->Cpi_X, 3);
}

} // namespace
} // namespace mervik
