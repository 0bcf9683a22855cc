// Damaged and oversized files through the loaders the programs use: files of
// 100 MB (refused without being read past their limit) and files just under
// the limits in the shapes that cost most per byte (read in one pass).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "macros/MacroFile.h"
#include "settings/FileLimits.h"
#include "settings/FilePaths.h"
#include "settings/IniValues.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

constexpr size_t kHugeBytes = size_t{100} << 20;

enum class Shape { ShortLines, DistinctKeys, BlankLines, NoLineBreak, FullMacroList };

// `size` bytes of `shape` after `head`.
std::string FileOf(Shape shape, std::string head, size_t size) {
    std::string text = std::move(head);
    text.reserve(size + 600);
    for (int n = 0; text.size() < size; ++n) {
        switch (shape) {
        case Shape::ShortLines:
            text += "x\n";
            break;
        case Shape::DistinctKeys:
            text.append("k").append(std::to_string(n)).append("=1\r\n");
            break;
        case Shape::BlankLines:
            text += "\r\n";
            break;
        case Shape::NoLineBreak:
            text.append(size - text.size(), 'z');
            break;
        case Shape::FullMacroList: {
            const MacroRecord record = NewMacroRecord(std::to_string(n));
            text.append(std::to_string(n)).append("=");
            text.append(ini::EncodeStruct(&record, sizeof record)).append("\r\n");
            break;
        }
        }
    }
    text.resize(size);
    return text;
}

void Write(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// config.ini of `size` bytes of `shape`; the profile files are missing.
void BM_LoadAllWithConfig(benchmark::State& state, Shape shape, size_t size) {
    testing::TempFolder dir;
    Write(ConfigFilePath(dir.Folder()), FileOf(shape, "[Setting]\r\nCurrentProfile=1\r\n", size));
    auto image = std::make_unique<SharedSettingsBlock>();
    for (auto _ : state) {
        CreateImage(*image);
        benchmark::DoNotOptimize(LoadAll(*image, dir.Folder()));
    }
}

// sequence.dat of `size` bytes of `shape`.
void BM_LoadMacroList(benchmark::State& state, Shape shape, size_t size) {
    testing::TempFolder dir;
    Write(MacroFilePath(dir.Folder()),
          FileOf(shape, "[Macros]\r\nnumber=" + std::to_string(kMaxMacroCount) + "\r\n", size));
    MacroList list;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadMacroList(dir.Folder(), list));
    state.counters["macros"] = list.Count();
}

constexpr size_t kIniUnderLimit = kMaxIniFileBytes - 1024;
constexpr size_t kMacroUnderLimit = kMaxMacroFileBytes - 1024;

BENCHMARK_CAPTURE(BM_LoadAllWithConfig, ShortLines100MB, Shape::ShortLines, kHugeBytes);
BENCHMARK_CAPTURE(BM_LoadAllWithConfig, DistinctKeys100MB, Shape::DistinctKeys, kHugeBytes);
BENCHMARK_CAPTURE(BM_LoadAllWithConfig, ShortLinesUnderLimit, Shape::ShortLines, kIniUnderLimit);
BENCHMARK_CAPTURE(BM_LoadAllWithConfig, DistinctKeysUnderLimit, Shape::DistinctKeys,
                  kIniUnderLimit);
BENCHMARK_CAPTURE(BM_LoadAllWithConfig, BlankLinesUnderLimit, Shape::BlankLines, kIniUnderLimit);
BENCHMARK_CAPTURE(BM_LoadAllWithConfig, NoLineBreakUnderLimit, Shape::NoLineBreak, kIniUnderLimit);

BENCHMARK_CAPTURE(BM_LoadMacroList, ShortLines100MB, Shape::ShortLines, kHugeBytes);
BENCHMARK_CAPTURE(BM_LoadMacroList, FullMacroList100MB, Shape::FullMacroList, kHugeBytes);
// About 11900 macros, of which the loader takes the 10000 a list holds.
BENCHMARK_CAPTURE(BM_LoadMacroList, FullMacroList, Shape::FullMacroList, 6 << 20);
BENCHMARK_CAPTURE(BM_LoadMacroList, ShortLinesUnderLimit, Shape::ShortLines, kMacroUnderLimit);
BENCHMARK_CAPTURE(BM_LoadMacroList, DistinctKeysUnderLimit, Shape::DistinctKeys, kMacroUnderLimit);
BENCHMARK_CAPTURE(BM_LoadMacroList, BlankLinesUnderLimit, Shape::BlankLines, kMacroUnderLimit);
BENCHMARK_CAPTURE(BM_LoadMacroList, NoLineBreakUnderLimit, Shape::NoLineBreak, kMacroUnderLimit);

} // namespace
} // namespace mervik

BENCHMARK_MAIN();
