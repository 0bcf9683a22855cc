// Monitor.exe under Wine with the simulated mouse: how long from Option's 1224
// to the first report at the mouse, and what the idle service costs. Run by
// hand; it is no test.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/FirstTransferWin32.h"
#include "contract/ProgramMessages.h"
#include "tests/service/win32/MonitorUnderTest.h"
#include "tests/service/win32/StandInWindows.h"

namespace {

using mervik::testing::MonitorUnderTest;

using mervik::bench::MsUntilFirstTransfer;
using mervik::bench::Now;
double CpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    auto ms = [](FILETIME t) {
        return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

// Polls the mouse's transfer counter as fast as the control pipe answers.
double ApplyToFirstTransferMs(MonitorUnderTest& monitor, mervik::testing::StandInWindows& windows,
                              size_t round) {
    auto block = monitor.Block();
    block->Profiles[0].PollingRate = static_cast<int32_t>(round % 4);
    monitor.WriteBlock(*block);
    const int before = monitor.MouseNumber("transfers");
    const double start = Now();
    PostMessageA(monitor.Window(), mervik::kMsgApplyAllSetting, 0, 0);
    const double first = MsUntilFirstTransfer(monitor, before, start);
    windows.WaitFor(mervik::kMsgApplyDone, round + 1, 20000);
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
    Sleep(1500);

    std::vector<double> latencies;
    for (size_t round = 0; round < 5; ++round)
        latencies.push_back(ApplyToFirstTransferMs(monitor, windows, round));
    std::sort(latencies.begin(), latencies.end());
    std::printf(
        "1224 -> first report at the mouse (5 applies, upper bound incl. one pipe round trip):\n");
    std::printf("  min %.2f ms, median %.2f ms, max %.2f ms\n", latencies.front(), latencies[2],
                latencies.back());

    Sleep(2000);
    const double cpuBefore = CpuMs(monitor.Process());
    const double wallBefore = Now();
    Sleep(60000);
    const double cpu = CpuMs(monitor.Process()) - cpuBefore;
    const double wall = Now() - wallBefore;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(monitor.Process(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    std::printf("idle over %.1f s: %.1f ms of CPU (%.3f %%)\n", wall / 1000, cpu, 100 * cpu / wall);
    std::printf("memory: working set %.1f MB, private %.1f MB\n", memory.WorkingSetSize / 1048576.0,
                memory.PrivateUsage / 1048576.0);
    return 0;
}
