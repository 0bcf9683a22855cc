// Load all and save all of the configuration file and five full profiles.
#include <benchmark/benchmark.h>

#include "bench/BenchImages.h"
#include "settings/SettingsFiles.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

void BM_SaveAll(benchmark::State& state) {
    testing::TempFolder dir;
    std::unique_ptr<SharedSettingsBlock> images[] = {bench::BenchImage(0), bench::BenchImage(1)};
    int i = 0;
    for (auto _ : state) {
        // Alternate so that every file changes and is really written.
        if (!SaveAll(*images[i++ % 2], dir.Folder()))
            state.SkipWithError("save all failed");
    }
}
BENCHMARK(BM_SaveAll)->Unit(benchmark::kMillisecond);

void BM_SaveAllUnchanged(benchmark::State& state) {
    testing::TempFolder dir;
    auto image = bench::BenchImage(0);
    SaveAll(*image, dir.Folder());
    for (auto _ : state)
        if (!SaveAll(*image, dir.Folder()))
            state.SkipWithError("save all failed");
}
BENCHMARK(BM_SaveAllUnchanged)->Unit(benchmark::kMillisecond);

void BM_LoadAll(benchmark::State& state) {
    testing::TempFolder dir;
    SaveAll(*bench::BenchImage(0), dir.Folder());
    auto image = std::make_unique<SharedSettingsBlock>();
    for (auto _ : state) {
        if (!LoadAll(*image, dir.Folder()))
            state.SkipWithError("load all failed");
        benchmark::DoNotOptimize(image->Profiles[4].Buttons[63].Function);
    }
}
BENCHMARK(BM_LoadAll)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mervik

BENCHMARK_MAIN();
