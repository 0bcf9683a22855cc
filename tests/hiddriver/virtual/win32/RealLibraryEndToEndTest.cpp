// The real Monitor.exe with the real hiddriver.dll in its program folder,
// against the virtual mouse on Wine's HID stack, in each of its shapes: the
// library finds the mouse through SetupAPI and talks to it through hid.dll
// and hidclass.sys, and the simulated mouse behind the driver keeps the log.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "contract/ProgramMessages.h"
#include "device/ReportEncoder.h"
#include "protocol/PlanText.h"
#include "protocol/ReportRate.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tests/hiddriver/virtual/win32/VirtualMouseProcess.h"
#include "tests/service/win32/MonitorUnderTest.h"
#include "tests/service/win32/StandInWindows.h"

namespace mervik {
namespace {

using testing::MonitorUnderTest;
using testing::StandInWindows;
using testing::VirtualMouseProcess;

constexpr DWORD kUploadWaitMs = 20000;
constexpr DWORD kChangeWaitMs = 8000;

struct LoggedTransfer {
    int64_t timeUs;
    std::string line;
};

std::vector<LoggedTransfer> TimedLog(MonitorUnderTest& m) {
    std::vector<LoggedTransfer> log;
    std::istringstream lines(m.Mouse("log").value_or(""));
    int64_t time = 0;
    for (std::string rest; lines >> time && std::getline(lines >> std::ws, rest);)
        log.push_back({time, rest});
    return log;
}

// The transfers of a whole upload as the encoder plans it from the folder's
// files (what mervikctl encode prints), each with the least pause before it.
struct PlannedTransfer {
    std::string line;
    uint32_t pauseBeforeMs;
};

std::vector<PlannedTransfer> PlannedUpload(const std::string& folder) {
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadAll(*image, folder);
    std::vector<PlannedTransfer> planned;
    uint32_t pause = 0;
    const UploadPlan plan = EncodeUpload(image->Profiles[image->CurrentProfile]);
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == StepKind::Pause) {
            pause += step.pauseMs;
            continue;
        }
        planned.push_back({PlanStepLine(step), pause});
        pause = 0;
    }
    return planned;
}

// The log ends with exactly the planned transfers.
bool LogEndsWith(const std::vector<LoggedTransfer>& log,
                 const std::vector<PlannedTransfer>& planned) {
    if (log.size() < planned.size())
        return false;
    const size_t first = log.size() - planned.size();
    for (size_t i = 0; i < planned.size(); ++i)
        if (log[first + i].line != planned[i].line)
            return false;
    return true;
}

bool StartUpDone(MonitorUnderTest& m) {
    return MonitorUnderTest::Eventually(
        8000, [](MonitorUnderTest& m) { return m.MouseNumber("fixedReports") >= 1; }, m);
}

// Option's Apply: the files saved, the block written, then 1224.
void Apply(MonitorUnderTest& m, void (*edit)(SharedSettingsBlock&)) {
    auto block = m.Block();
    ASSERT_TRUE(block);
    edit(*block);
    ASSERT_TRUE(SaveAll(*block, m.Folder()));
    ASSERT_TRUE(m.WriteBlock(*block));
    PostMessageA(m.Window(), kMsgApplyAllSetting, 0, 0);
}

void FastRate(SharedSettingsBlock& b) {
    b.Profiles[0].PollingRate = 3; // 1 ms
    b.Profiles[0].Cpi_X = 1;       // level 2
}

class RealLibrary : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(mouse.Ready()) << "VirtualMouse " << GetParam() << " did not come up";
        monitor.UseMouseOf(mouse.Id());
    }

    VirtualMouseProcess mouse{GetParam()};
    MonitorUnderTest monitor;
};

TEST_P(RealLibrary, FindsTheMouseAtStartUpAndReadsItsLevelBack) {
    ASSERT_TRUE(monitor.Start());
    EXPECT_EQ(monitor.DeviceFlag(), 1);
    EXPECT_TRUE(monitor.TrayIconShown());
    ASSERT_TRUE(StartUpDone(monitor));
    EXPECT_EQ(monitor.CountInLog("feature 8B"), 1);
    EXPECT_EQ(monitor.CountInLog("read 8B"), 1);
    EXPECT_EQ(monitor.Block()->Profiles[0].Cpi_X, monitor.MouseNumber("activeLevel") - 1);
    EXPECT_EQ(monitor.MouseNumber("malformed"), 0);
}

TEST_P(RealLibrary, AnApplyLeavesExactlyThePlanWithEveryPause) {
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("clear-log");
    Apply(monitor, FastRate);
    const std::vector<PlannedTransfer> planned = PlannedUpload(monitor.Folder());
    testing::WaitUntil(kUploadWaitMs, [&] { return LogEndsWith(TimedLog(monitor), planned); });
    const std::vector<LoggedTransfer> log = TimedLog(monitor);
    ASSERT_TRUE(LogEndsWith(log, planned)) << "the log is the whole upload, nothing else:\n"
                                           << monitor.Mouse("log").value_or("");
    EXPECT_EQ(log.size(), planned.size());
    const size_t first = log.size() - planned.size();
    uint64_t plannedMs = 0;
    for (size_t i = 1; i < planned.size(); ++i) {
        const int64_t gapUs = log[first + i].timeUs - log[first + i - 1].timeUs;
        EXPECT_GE(gapUs, int64_t{planned[i].pauseBeforeMs} * 1000)
            << "pause before " << planned[i].line;
        plannedMs += planned[i].pauseBeforeMs;
    }
    const double ratio = double(log.back().timeUs - log[first].timeUs) / (plannedMs * 1000.0);
    RecordProperty("upload_to_pauses_ratio", std::to_string(ratio));
    std::printf("upload/pauses (%s): %.4f over %llu ms of pauses\n", GetParam(), ratio,
                static_cast<unsigned long long>(plannedMs));
    EXPECT_EQ(monitor.MouseNumber("reportIntervalMs"), 1);
    EXPECT_EQ(monitor.MouseNumber("activeLevel"), 2);
    EXPECT_EQ(monitor.MouseNumber("malformed"), 0);
}

TEST_P(RealLibrary, TheMousesOwnButtonsBecomeMonitorsEvents) {
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("dpi");
    ASSERT_TRUE(windows.WaitFor(kMsgMouseChangedLevel, 1, kChangeWaitMs)) << "Option follows";
    EXPECT_EQ(monitor.Block()->Profiles[0].Cpi_X, monitor.MouseNumber("activeLevel") - 1);
    monitor.Mouse("rate");
    ASSERT_TRUE(windows.WaitFor(kMsgMouseChangedLevel, 2, kChangeWaitMs));
    auto rate = wire::RateOfInterval(static_cast<uint8_t>(monitor.MouseNumber("reportIntervalMs")));
    ASSERT_TRUE(rate);
    EXPECT_EQ(monitor.Block()->Profiles[0].PollingRate, rate->pollingRate);
}

TEST_P(RealLibrary, UnplugAndReplugGiveTheRemovalAndTheArrival) {
    StandInWindows windows(StandInWindows::OnClose::StayOpen);
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    const DWORD unplugged = GetTickCount();
    monitor.Mouse("unplug");
    ASSERT_TRUE(
        windows.WaitForStatus([](const MouseStatus& s) { return !s.connected; }, kChangeWaitMs))
        << "Option hears of the removal";
    std::printf("unplug to removal (%s): %lu ms\n", GetParam(), GetTickCount() - unplugged);
    EXPECT_TRUE(MonitorUnderTest::Eventually(
        kChangeWaitMs, [](MonitorUnderTest& m) { return m.DeviceFlag() == 0; }, monitor));
    EXPECT_TRUE(monitor.TrayIconShown()) << "greyed, with its menu";
    EXPECT_TRUE(windows.Of(WM_CLOSE).empty()) << "Option stays open";

    monitor.Mouse("clear-log");
    const DWORD plugged = GetTickCount();
    monitor.Mouse("plug");
    ASSERT_TRUE(MonitorUnderTest::Eventually(
        kChangeWaitMs, [](MonitorUnderTest& m) { return m.CountInLog("feature 8B") >= 1; },
        monitor));
    std::printf("replug to first report (%s): %lu ms\n", GetParam(), GetTickCount() - plugged);
    EXPECT_TRUE(MonitorUnderTest::Eventually(
        kChangeWaitMs, [](MonitorUnderTest& m) { return m.CountInLog("feature 03") >= 1; },
        monitor));
    EXPECT_EQ(monitor.DeviceFlag(), 1);
    EXPECT_TRUE(monitor.TrayIconShown());
    EXPECT_EQ(monitor.CountInLog("read 8B"), 2)
        << "the arrival's two read-backs, both the worker's";
}

TEST_P(RealLibrary, ARemovalMidUploadLeavesTheUploadOwedAndRedone) {
    StandInWindows windows(StandInWindows::OnClose::StayOpen);
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("vanish 5");
    Apply(monitor, FastRate);
    ASSERT_TRUE(
        windows.WaitForStatus([](const MouseStatus& s) { return !s.connected; }, kChangeWaitMs))
        << "Option hears of the removal";
    EXPECT_TRUE(windows.WaitFor(kMsgApplyDone, 1, kUploadWaitMs)) << "the cut upload still answers";
    EXPECT_TRUE(monitor.Responds());
    EXPECT_TRUE(MonitorUnderTest::Eventually(
        kChangeWaitMs, [](MonitorUnderTest& m) { return m.DeviceFlag() == 0; }, monitor));

    monitor.Mouse("clear-log");
    monitor.Mouse("plug");
    const std::vector<PlannedTransfer> planned = PlannedUpload(monitor.Folder());
    EXPECT_TRUE(testing::WaitUntil(kUploadWaitMs, [&] {
        return LogEndsWith(TimedLog(monitor), planned);
    })) << "the whole upload again after the arrival";
    EXPECT_EQ(monitor.MouseNumber("reportIntervalMs"), 1);
    EXPECT_EQ(monitor.MouseNumber("activeLevel"), 2);
}

TEST_P(RealLibrary, ARefusingOrSilentMouseCostsBoundedTime) {
    StandInWindows windows;
    ASSERT_TRUE(monitor.Start());
    ASSERT_TRUE(StartUpDone(monitor));
    monitor.Mouse("fail 3");
    const DWORD applied = GetTickCount();
    Apply(monitor, FastRate);
    ASSERT_TRUE(windows.WaitFor(kMsgApplyDone, 1, kUploadWaitMs)) << "refusals end the upload too";
    EXPECT_LT(GetTickCount() - applied, kUploadWaitMs);
    EXPECT_TRUE(monitor.Responds());

    // The arrival's read-backs meet a mouse that does not answer: the
    // library gives up and the service goes on.
    monitor.Mouse("read silent");
    monitor.Mouse("unplug");
    ASSERT_TRUE(MonitorUnderTest::Eventually(
        kChangeWaitMs, [](MonitorUnderTest& m) { return m.DeviceFlag() == 0; }, monitor));
    monitor.Mouse("clear-log");
    monitor.Mouse("plug");
    EXPECT_TRUE(MonitorUnderTest::Eventually(
        kUploadWaitMs, [](MonitorUnderTest& m) { return m.DeviceFlag() == 1; }, monitor));
    EXPECT_TRUE(MonitorUnderTest::Eventually(
        kUploadWaitMs, [](MonitorUnderTest& m) { return m.CountInLog("feature 03") >= 1; },
        monitor))
        << "the worker's fixed report follows the unanswered reads";
    EXPECT_TRUE(monitor.Responds());
}

INSTANTIATE_TEST_SUITE_P(Shapes, RealLibrary,
                         ::testing::Values("vendor", "pointer", "split", "numbered", "padded"));

} // namespace
} // namespace mervik
