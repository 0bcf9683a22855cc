#include <gtest/gtest.h>

#include <cstring>

#include "device/DpiReadBack.h"
#include "device/ReportEncoder.h"
#include "device/SettingsReports.h"
#include "device/UploadExecutor.h"
#include "hiddriver/sim/SimControl.h"
#include "protocol/PlanText.h"
#include "settings/FunctionCodes.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ProfileFixture.h"
#include "tests/support/SimulatedMouseLink.h"

namespace mervik {
namespace {

using sim::Notification;
using sim::ReadAnswer;
using sim::SimulatedMouse;

struct Mouse : ::testing::Test {
    testing::FakeClock clock;
    SimulatedMouse mouse{[this] {
        return std::chrono::duration_cast<std::chrono::microseconds>(clock.now.time_since_epoch())
            .count();
    }};
    testing::SimulatedMouseLink link{mouse};
    DeviceConnection connection{link, clock};
    std::vector<Notification> posted;
    std::unique_ptr<ProfileRecord> profile = testing::DefaultProfile();

    void SetUp() override {
        mouse.SetNotify([this](const Notification& n) { posted.push_back(n); });
        connection.Open();
    }

    std::vector<std::string> TransferLinesOf(const UploadPlan& plan) {
        std::vector<std::string> lines;
        for (const PlanStep& s : plan.Steps())
            if (s.kind != StepKind::Pause)
                lines.push_back(PlanStepLine(s));
        return lines;
    }
    std::vector<std::string> LoggedLines() {
        std::vector<std::string> lines;
        for (const auto& e : mouse.Log())
            lines.push_back(e.line);
        return lines;
    }
};

TEST_F(Mouse, AFullUploadLandsInItsMemory) {
    profile->PollingRate = 0;
    profile->LightSwitch = 3;
    profile->Cpi_X = 4;
    profile->dpiStepFlag[2] = 0;
    profile->Buttons[1].Function = fn::Copy;
    ButtonAssignment& macro = profile->Buttons[40];
    macro.Function = fn::Macro;
    macro.MacroRepeat = 3;
    macro.EventCount = 2;
    macro.Events[0] = {0x04, MacroPress, 40};
    macro.Events[1] = {0x04, MacroRelease, 2000};
    UploadPlan plan = EncodeUpload(*profile);
    ASSERT_TRUE(ExecuteUpload(plan, connection).completed);

    const sim::MouseMemory& m = mouse.Memory();
    EXPECT_EQ(mouse.Malformed(), 0u);
    EXPECT_EQ(LoggedLines(), TransferLinesOf(plan));
    EXPECT_EQ(m.reportIntervalMs, 8);
    EXPECT_EQ(m.lighting, (std::array<uint8_t, 3>{3, 5, 1}));
    EXPECT_EQ(m.colours, BuildColourBlock(*profile));
    EXPECT_EQ(m.dpiLevels, BuildDpiLevelBlock(*profile));
    EXPECT_EQ(m.activeLevel, 5);
    EXPECT_EQ(m.fixedReports, 1u);
    EXPECT_EQ(m.buttonMap[4 * 1 + 2], 1); // Copy plays bank 1
    EXPECT_EQ(m.buttonMap[4 * 40 + 2], 2);
    const uint8_t bank2[] = {0x00, 0x03, 0x05, 0x04, 0x81, 0x04, 40, 0x02, 0x00};
    EXPECT_EQ(std::memcmp(m.banks[1].data(), bank2, sizeof bank2), 0);
}

TEST_F(Mouse, LogTimesFollowThePlansPauses) {
    UploadPlan plan = EncodeUpload(*profile);
    ExecuteUpload(plan, connection);
    int64_t first = mouse.Log().front().timeUs, last = mouse.Log().back().timeUs;
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, int64_t(plan.TotalPauseMs() - 400) * 1000); // all but the last page's tail
}

TEST_F(Mouse, MalformedTransfersAreLoggedNotTaken) {
    const sim::MouseMemory before = mouse.Memory();
    FeatureReport bad = MakeFeatureReport(0x0B, {2, 8});
    bad[7] ^= 0x10;
    mouse.SetFeature(bad);                                    // checksum
    mouse.SetFeature(MakeFeatureReport(0x55));                // unknown command
    mouse.SetFeature(MakeFeatureReport(0x0B, {9, 8}));        // no such level
    mouse.SetFeature(MakeFeatureReport(0x13, {12, 0x80}));    // no such bank
    mouse.SetFeature(std::vector<uint8_t>{0x01, 0x02, 0x03}); // short report
    std::vector<uint8_t> huge(4096, 0xAA);
    mouse.Write(huge); // nothing announced
    mouse.SetFeature(MakeFeatureReport(0x12, {4, 0x40}));
    mouse.Write(huge);                           // wrong size for a page block
    mouse.Write(std::vector<uint8_t>(32, 0xAA)); // the announcement is spent
    mouse.SetFeature(MakeFeatureReport(0x10, {0, 0x18}));
    mouse.SetFeature(MakeFeatureReport(0x03, {0, 0x0F, 0xD8, 0x40})); // cuts the colours short
    EXPECT_EQ(mouse.Malformed(), 9u);
    EXPECT_EQ(mouse.Memory().buttonMap, before.buttonMap);
    EXPECT_EQ(mouse.Memory().activeLevel, before.activeLevel);
    EXPECT_EQ(mouse.Memory().fixedReports, 1u);
    EXPECT_NE(mouse.Log()[0].error.find("checksum"), std::string::npos);
}

TEST_F(Mouse, ReadBackOutcomesByAnswerMode) {
    profile->Cpi_X = 0;
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, profile.get()).outcome, ReadBackOutcome::Read);
    EXPECT_EQ(profile->Cpi_X, 2); // the mouse starts at level 3
    mouse.AnswerReadsWith(ReadAnswer::Garbage);
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, profile.get()).outcome,
              ReadBackOutcome::OutOfRange);
    mouse.AnswerReadsWith(ReadAnswer::Silent);
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, profile.get()).outcome, ReadBackOutcome::NoAnswer);
    EXPECT_EQ(profile->Cpi_X, 2);
    EXPECT_EQ(mouse.Log().back().line, "read");
}

// Every transfer of the plan, whatever became of the ones before it (the
// executor would stop at the first that failed).
void SendEveryTransfer(SimulatedMouse& mouse, const UploadPlan& plan) {
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == StepKind::Feature)
            mouse.SetFeature(step.Data());
        else if (step.kind == StepKind::Write)
            mouse.Write(step.Data());
    }
}

TEST_F(Mouse, InjectedFailuresAndVanishing) {
    mouse.FailNext(2);
    UploadPlan plan = EncodeUpload(*profile);
    SendEveryTransfer(mouse, plan);
    EXPECT_EQ(mouse.Log()[1].error, "injected failure");
    EXPECT_EQ(mouse.Log()[2].error, "");
    EXPECT_EQ(mouse.Memory().reportIntervalMs, 2);

    mouse.ClearLog();
    mouse.VanishAfter(10);
    ExecuteUpload(plan, connection); // nobody tells the connection in this test
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].kind, Notification::Change);
    EXPECT_EQ(posted[0].wParam, 0u);
    EXPECT_EQ(mouse.Transfers(), 10u);
    EXPECT_EQ(mouse.Log()[10].error, "absent");
    EXPECT_FALSE(mouse.Present());
}

TEST_F(Mouse, ButtonsStepThroughWhatTheMouseHolds) {
    profile->dpiStepFlag[3] = 0;
    profile->dpiStepFlag[4] = 0;
    profile->Cpi_X = 2;
    ExecuteUpload(EncodeUpload(*profile), connection);
    mouse.PressDpiButton();  // 3 -> 6, skipping 4 and 5
    mouse.PressDpiButton();  // 6 -> 1
    mouse.PressRateButton(); // 2 ms -> 1 ms
    mouse.PressRateButton(); // 1 ms -> 8 ms
    ASSERT_EQ(posted.size(), 4u);
    EXPECT_EQ(posted[0].wParam, 0x0700u);
    EXPECT_EQ(posted[0].lParam, 6);
    EXPECT_EQ(posted[1].lParam, 1);
    EXPECT_EQ(posted[2].wParam, 0x0500u);
    EXPECT_EQ(posted[2].lParam, 1);
    EXPECT_EQ(posted[3].lParam, 8);
}

TEST_F(Mouse, PlugAndUnplugRaiseChangesOnce) {
    mouse.Unplug();
    mouse.Unplug();
    EXPECT_FALSE(mouse.OpenReport());
    mouse.PressDpiButton(); // an absent mouse has no buttons
    mouse.Plug();
    mouse.Plug();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].wParam, 0u);
    EXPECT_EQ(posted[1].wParam, 1u);
    EXPECT_FALSE(mouse.FeatureOpen()); // the host reopens after an arrival
}

TEST_F(Mouse, ControlCommands) {
    EXPECT_EQ(sim::RunControlCommand(mouse, "dpi\r\n"), "ok\n");
    EXPECT_EQ(sim::RunControlCommand(mouse, "fail 3"), "ok\n");
    EXPECT_EQ(mouse.FailNextCount(), 3);
    EXPECT_EQ(sim::RunControlCommand(mouse, "read garbage"), "ok\n");
    EXPECT_EQ(mouse.ReadAnswerMode(), ReadAnswer::Garbage);
    const char* refused[] = {"fail",      "fail -1", "fail 2x",  "vanish",
                             "read loud", "jump",    "plug now", ""};
    for (const char* line : refused)
        EXPECT_EQ(sim::RunControlCommand(mouse, line).rfind("error: ", 0), 0u) << line;
    std::string state = sim::RunControlCommand(mouse, "state");
    EXPECT_NE(state.find("\"activeLevel\":4,"), std::string::npos) << state;
    EXPECT_NE(state.find("\"faults\":{\"failNext\":3,\"vanishAfter\":-1,\"read\":\"garbage\"}"),
              std::string::npos);
    mouse.SetFeature(MakeFeatureReport(0x0D, {1, 9, 3}));
    EXPECT_EQ(sim::RunControlCommand(mouse, "log"),
              "0 feature 0D 01 09 03 00 00 00 E5 ! injected failure\n");
}

} // namespace
} // namespace mervik
