// Monitor.exe under Wine with the simulated mouse: how long from a profile
// switch (the tray menu's command) to the first report at the mouse, and what
// a burst of 20 switches in one second costs the mouse. Run by hand; it is no
// test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/FirstTransferWin32.h"
#include "service/core/MonitorConstants.h"
#include "tests/service/win32/MonitorUnderTest.h"
#include "tests/service/win32/StandInWindows.h"

namespace {

using mervik::testing::MonitorUnderTest;

using mervik::bench::MsUntilFirstTransfer;
using mervik::bench::Now;
void ChooseProfile(MonitorUnderTest& monitor, int index) {
    PostMessageA(monitor.Window(), WM_COMMAND,
                 mervik::monitor::kCmdFirstProfile + static_cast<unsigned>(index), 0);
}

// The mouse has taken nothing for longer than the plan's longest pause.
void WaitUntilQuiet(MonitorUnderTest& monitor) {
    int before = monitor.MouseNumber("transfers");
    for (;;) {
        Sleep(400);
        const int now = monitor.MouseNumber("transfers");
        if (now == before)
            return;
        before = now;
    }
}

double SwitchToFirstReportMs(MonitorUnderTest& monitor, int index) {
    const int before = monitor.MouseNumber("transfers");
    const double start = Now();
    ChooseProfile(monitor, index);
    const double first = MsUntilFirstTransfer(monitor, before, start);
    WaitUntilQuiet(monitor);
    return first;
}

} // namespace

int main() {
    MonitorUnderTest monitor;
    mervik::testing::StandInWindows windows;
    if (!monitor.Start()) {
        std::fprintf(stderr, "Monitor did not start\n");
        return 1;
    }
    WaitUntilQuiet(monitor);

    // One whole upload, for scale.
    monitor.Mouse("clear-log");
    SwitchToFirstReportMs(monitor, 1);
    const int wholeUpload = monitor.MouseNumber("transfers");

    std::vector<double> latencies;
    for (int round = 0; round < 6; ++round)
        latencies.push_back(SwitchToFirstReportMs(monitor, round % 2 == 0 ? 2 : 1));
    std::sort(latencies.begin(), latencies.end());
    std::printf("switch -> first report at the mouse (6 switches from idle, upper bound incl. one "
                "pipe round trip):\n  min %.2f ms, median %.2f ms, max %.2f ms\n",
                latencies.front(), latencies[3], latencies.back());

    // 20 switches in one second, each a profile other than the last.
    monitor.Mouse("clear-log");
    const double start = Now();
    for (int n = 0; n < 20; ++n) {
        ChooseProfile(monitor, 1 + n % 4);
        Sleep(50);
    }
    const double posted = Now() - start;
    WaitUntilQuiet(monitor);
    const double done = Now() - start;
    const int sent = monitor.MouseNumber("transfers");
    const int begun = monitor.CountInLog("feature 01");
    std::printf("20 switches in %.0f ms: %d uploads begun, %d transfers = %.2f whole uploads of %d "
                "transfers; mouse quiet %.0f ms after the first switch\n",
                posted, begun, sent, static_cast<double>(sent) / wholeUpload, wholeUpload, done);
    std::printf("last profile current: %d (expected 4)\n", monitor.Block()->CurrentProfile);
    return 0;
}
