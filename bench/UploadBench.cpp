// The report encoder's speed, and a full upload through the simulated mouse on
// the real clock: no pause shorter than the plan's, the whole within 2 % of
// the plan's pause sum.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "device/ReportEncoder.h"
#include "device/UploadExecutor.h"
#include "hiddriver/sim/SimulatedMouse.h"
#include "protocol/PlanText.h"
#include "settings/FunctionCodes.h"
#include "tests/support/ProfileFixture.h"
#include "tests/support/SimulatedMouseLink.h"

namespace {

using namespace mervik;

// Every sequence bank in use: eleven 50-step macros, the longest work the
// encoder can be given.
std::unique_ptr<ProfileRecord> BusiestProfile() {
    auto p = testing::DefaultProfile();
    for (int s = 0; s < 11; ++s) {
        ButtonAssignment& slot = p->Buttons[s];
        slot.Function = fn::Macro;
        slot.MacroRepeat = 1;
        for (int e = 0; e < kMaxMacroEvents; ++e)
            slot.Events[slot.EventCount++] = {
                uint8_t(4 + e % 20), uint8_t(e % 2 ? MacroRelease : MacroPress), uint16_t(e * 40)};
    }
    return p;
}

void BM_EncodeDefaultProfile(benchmark::State& state) {
    auto profile = testing::DefaultProfile();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeUpload(*profile));
}
BENCHMARK(BM_EncodeDefaultProfile)->Unit(benchmark::kMicrosecond);

void BM_EncodeElevenMacroBanks(benchmark::State& state) {
    auto profile = BusiestProfile();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeUpload(*profile));
}
BENCHMARK(BM_EncodeElevenMacroBanks)->Unit(benchmark::kMicrosecond);

void BM_PlanText(benchmark::State& state) {
    UploadPlan plan = EncodeUpload(*BusiestProfile());
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanText(plan));
}
BENCHMARK(BM_PlanText)->Unit(benchmark::kMicrosecond);

// Shortest gap between two logged transfers minus the pause the plan asked
// for there, in microseconds.
double LeastPauseSlackUs(const UploadPlan& plan, const sim::SimulatedMouse& mouse) {
    double least = 1e12;
    size_t i = 0;
    int64_t dueUs = 0;
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == StepKind::Pause) {
            dueUs += int64_t(step.pauseMs) * 1000;
            continue;
        }
        if (i > 0)
            least =
                std::min(least, double(mouse.Log()[i].timeUs - mouse.Log()[i - 1].timeUs - dueUs));
        dueUs = 0;
        ++i;
    }
    return least;
}

void BM_FullUploadThroughSimulatedMouse(benchmark::State& state) {
    auto profile = testing::DefaultProfile();
    for (int s : {1, 3, 40})
        profile->Buttons[s].Function = fn::Copy;
    const UploadPlan plan = EncodeUpload(*profile);
    const auto origin = std::chrono::steady_clock::now();
    sim::SimulatedMouse mouse([origin] {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now() - origin)
            .count();
    });
    testing::SimulatedMouseLink link(mouse);
    SteadyClock clock;
    DeviceConnection connection(link, clock);
    connection.Open();
    double worstOverPct = 0, leastSlackUs = 1e12;
    for (auto _ : state) {
        mouse.ClearLog();
        auto start = std::chrono::steady_clock::now();
        ExecuteUpload(plan, connection);
        double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        worstOverPct =
            std::max(worstOverPct, 100.0 * (ms - plan.TotalPauseMs()) / plan.TotalPauseMs());
        leastSlackUs = std::min(leastSlackUs, LeastPauseSlackUs(plan, mouse));
    }
    state.counters["pause_sum_ms"] = plan.TotalPauseMs();
    state.counters["worst_over_%"] = worstOverPct;
    state.counters["least_pause_slack_us"] = leastSlackUs;
}
BENCHMARK(BM_FullUploadThroughSimulatedMouse)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
