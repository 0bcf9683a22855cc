#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "device/ButtonMap.h"
#include "device/DeviceConnection.h"
#include "device/DpiReadBack.h"
#include "device/ReportEncoder.h"
#include "device/SettingsReports.h"
#include "device/UploadExecutor.h"
#include "device/win32/DeviceLinkWin32.h"
#include "hiddriver/HidDriverApi.h"
#include "hiddriver/sim/ControlPipeName.h"
#include "hiddriver/sim/win32/ControlPipeClient.h"
#include "protocol/DeviceMessages.h"
#include "protocol/PlanText.h"
#include "settings/FunctionCodes.h"
#include "tests/hiddriver/win32/WinTestSupport.h"
#include "tests/support/ProfileFixture.h"

namespace mervik {
namespace {

using testing::TestFolder;

std::string JsonHex(std::span<const uint8_t> bytes) {
    std::string hex = "\"";
    char digits[3];
    for (uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", b);
        hex += digits;
    }
    hex += '"';
    return hex;
}

// `"name":` followed by the bytes as one hex string.
std::string HexField(const char* name, std::span<const uint8_t> bytes) {
    std::string field = "\"";
    field += name;
    field += "\":";
    field += JsonHex(bytes);
    return field;
}

struct LoggedTransfer {
    long long timeUs;
    std::string line;
};

std::vector<LoggedTransfer> ParseLog(const std::string& log) {
    std::vector<LoggedTransfer> transfers;
    std::istringstream in(log);
    for (LoggedTransfer t; in >> t.timeUs && std::getline(in >> std::ws, t.line);)
        transfers.push_back(t);
    return transfers;
}

// The simulated library, bound by name as Monitor binds it, in this process.
struct SimDriver : ::testing::Test {
    HWND window = testing::CreateMessageWindow();
    SteadyClock clock;
    Win32DeviceLink link{TestFolder("sim"), window};
    DeviceConnection connection{link, clock};
    const std::string pipe = sim::ControlPipeName(GetCurrentProcessId());

    void SetUp() override {
        ASSERT_TRUE(link.IsBound());
        ASSERT_TRUE(connection.Open()); // the previous test left the mouse plugged in
        for (const char* reset : {"read normal", "fail 0", "clear-log"})
            ASSERT_EQ(Control(reset), "ok\n");
    }
    void TearDown() override {
        Control("plug");
        connection.Close();
        DestroyWindow(window);
    }

    std::string Control(const std::string& command) {
        auto reply = sim::SendControlCommand(pipe, command);
        EXPECT_TRUE(reply) << "no answer on " << pipe;
        return reply.value_or("");
    }

    // Hands the library's change message to the connection, as Monitor's window does.
    ConnectionChange FollowChange() {
        MSG msg;
        if (!testing::WaitForMessage(window, kMsgDeviceChange, msg))
            return ConnectionChange::None;
        auto event = ConnectionEventOfChange(msg.wParam);
        return event ? connection.OnConnectionEvent(static_cast<uint16_t>(*event))
                     : ConnectionChange::None;
    }

    testing::ProcessResult Mousesim(const std::string& args) {
        std::string commandLine = "\"";
        commandLine += TestFolder("sim");
        commandLine += "mousesim.exe\" ";
        commandLine += args;
        return testing::RunProcess(commandLine);
    }
};

std::unique_ptr<ProfileRecord> ProfileWithSequences() {
    auto p = testing::DefaultProfile();
    p->Cpi_X = 4;
    p->dpiStepFlag[1] = 0;
    p->Buttons[3].Function = fn::Copy;
    p->Buttons[40].Function = fn::SaveAs;
    ButtonAssignment& macro = p->Buttons[4];
    macro.Function = fn::Macro;
    macro.RunMode = 1;
    macro.MacroRepeat = 2;
    const MacroEvent steps[] = {{0xE1, MacroPress, 20},
                                {0x04, MacroPress, 1500},
                                {0x04, MacroRelease, 10},
                                {0xE1, MacroRelease, 0}};
    for (const MacroEvent& e : steps)
        macro.Events[macro.EventCount++] = e;
    return p;
}

TEST_F(SimDriver, FullUploadLeavesThePlanInTheMouseAndItsLog) {
    auto profile = ProfileWithSequences();
    UploadPlan plan = EncodeUpload(*profile);
    const auto start = std::chrono::steady_clock::now();
    UploadResult result = ExecuteUpload(plan, connection);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(result.completed);

    const std::string state = Control("state");
    ButtonMapImage map = BuildButtonMap(*profile);
    ASSERT_EQ(map.banks.size(), 3u);
    EXPECT_NE(state.find(HexField("buttonMap", map.cells)), std::string::npos) << state;
    std::string banks = HexField("banks", {});
    banks.pop_back();
    banks.pop_back();
    banks += '[';
    for (const SequenceBank& bank : map.banks) {
        banks += JsonHex(bank);
        banks += ',';
    }
    EXPECT_NE(state.find(banks), std::string::npos) << state;
    EXPECT_NE(state.find(HexField("dpiLevels", BuildDpiLevelBlock(*profile))), std::string::npos);
    EXPECT_NE(state.find(HexField("colours", BuildColourBlock(*profile))), std::string::npos);
    EXPECT_NE(state.find("\"activeLevel\":5,"), std::string::npos);
    EXPECT_NE(state.find("\"malformed\":0,"), std::string::npos) << state;

    // The log holds the plan's transfers in order, each after at least its pause.
    std::vector<LoggedTransfer> log = ParseLog(Control("log"));
    size_t i = 0;
    long long dueUs = 0;
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == StepKind::Pause) {
            dueUs += step.pauseMs * 1000LL;
            continue;
        }
        ASSERT_LT(i, log.size());
        EXPECT_EQ(log[i].line, PlanStepLine(step)) << "transfer " << i;
        if (i > 0) {
            EXPECT_GE(log[i].timeUs - log[i - 1].timeUs, dueUs) << "pause before transfer " << i;
        }
        dueUs = 0;
        ++i;
    }
    EXPECT_EQ(i, log.size());

    const double ms = std::chrono::duration<double, std::milli>(elapsed).count();
    std::printf("[ figures  ] upload of %zu transfers: %.1f ms for %u ms of pauses (+%.2f %%)\n",
                log.size(), ms, plan.TotalPauseMs(),
                100.0 * (ms - plan.TotalPauseMs()) / plan.TotalPauseMs());
    EXPECT_GE(ms, plan.TotalPauseMs());
}

TEST_F(SimDriver, MousesimPressesButtonsAndPlugs) {
    const std::string pid = "--pid " + std::to_string(GetCurrentProcessId());
    testing::ProcessResult dpi = Mousesim(pid + " dpi");
    EXPECT_EQ(dpi.exitCode, 0u) << dpi.output;
    EXPECT_EQ(dpi.output.substr(0, 2), "ok");
    MSG msg;
    ASSERT_TRUE(testing::WaitForMessage(window, kMsgDeviceEvent, msg));
    EXPECT_EQ(msg.wParam >> 8, kEventGroupDpiLevel);
    EXPECT_GE(msg.lParam, 1);
    EXPECT_LE(msg.lParam, 6);

    EXPECT_EQ(Mousesim(pid + " rate").exitCode, 0u);
    ASSERT_TRUE(testing::WaitForMessage(window, kMsgDeviceEvent, msg));
    EXPECT_EQ(msg.wParam >> 8, kEventGroupReportRate);

    EXPECT_EQ(Mousesim(pid + " unplug").exitCode, 0u);
    EXPECT_EQ(FollowChange(), ConnectionChange::Removed);
    EXPECT_NE(Control("state").find("\"present\":false,\"featureOpen\":false"), std::string::npos);
    EXPECT_EQ(Mousesim(pid + " plug").exitCode, 0u);
    EXPECT_EQ(FollowChange(), ConnectionChange::Arrived);
    EXPECT_NE(Control("state").find("\"present\":true,\"featureOpen\":true,\"reportOpen\":true"),
              std::string::npos);

    EXPECT_EQ(Mousesim(pid + " jump").exitCode, 2u);
    EXPECT_EQ(Mousesim(pid + " dpi 2").exitCode, 2u);
    EXPECT_EQ(Mousesim("--help").exitCode, 0u);
    EXPECT_EQ(Mousesim("--pid 1 state").exitCode, 3u);
}

TEST_F(SimDriver, ReadBackOutcomesAgainstAMisbehavingMouse) {
    auto profile = testing::DefaultProfile();
    profile->Cpi_X = 0;
    ExecuteUpload(EncodeUpload(*profile), connection);
    profile->Cpi_X = 3;
    Control("read garbage");
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, profile.get()).outcome,
              ReadBackOutcome::OutOfRange);
    Control("read silent");
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, profile.get()).outcome, ReadBackOutcome::NoAnswer);
    EXPECT_EQ(profile->Cpi_X, 3);
    Control("read normal");
    EXPECT_EQ(ReadBackActiveDpiLevel(connection, profile.get()).outcome, ReadBackOutcome::Read);
    EXPECT_EQ(profile->Cpi_X, 0);
}

// As on Monitor's device worker: the upload ends at the first transfer that
// finds the mouse gone, and the library's change message, taken after it,
// moves the connection.
TEST_F(SimDriver, AMouseThatVanishesMidUploadEndsTheUpload) {
    Control("vanish 20");
    UploadPlan plan = EncodeUpload(*ProfileWithSequences());
    const UploadResult result = ExecuteUpload(plan, connection);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.transfersSent, 20u);
    EXPECT_EQ(FollowChange(), ConnectionChange::Removed);

    EXPECT_EQ(Control("plug"), "ok\n");
    EXPECT_EQ(FollowChange(), ConnectionChange::Arrived);
    EXPECT_TRUE(ExecuteUpload(plan, connection).completed);
}

TEST_F(SimDriver, FailuresAndMalformedReportsAreRecordedNotFatal) {
    Control("fail 1");
    // The link hands the failure back; a malformed transfer still went
    // through, and the mouse ignores it.
    EXPECT_FALSE(link.SendFeature(MakeFeatureReport(0x0B, {2, 8})));
    FeatureReport bad = MakeFeatureReport(0x0B, {2, 8});
    bad[7] = 0;
    EXPECT_TRUE(link.SendFeature(bad));
    std::vector<uint8_t> oversized(4096, 0x11);
    EXPECT_TRUE(link.WriteBlock(oversized));

    HMODULE library = GetModuleHandleA((TestFolder("sim") + hid::kLibraryName).c_str());
    auto getFeature = reinterpret_cast<GetFeatureFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetFeature")));
    EXPECT_EQ(getFeature(nullptr, 8), 0);
    unsigned char wrong[8] = {0x42};
    EXPECT_EQ(getFeature(wrong, 8), 0);

    std::vector<LoggedTransfer> log = ParseLog(Control("log"));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_NE(log[0].line.find("! injected failure"), std::string::npos);
    EXPECT_NE(log[1].line.find("! malformed: bad checksum"), std::string::npos);
    EXPECT_NE(log[2].line.find("! malformed: block without an announcement"), std::string::npos);
    EXPECT_NE(Control("state").find("\"malformed\":3,"), std::string::npos);
}

} // namespace
} // namespace mervik
