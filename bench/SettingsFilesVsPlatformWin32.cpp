// Under Wine (or Windows): load all and save all done by our code and done key
// by key with the platform's private-profile functions, on the same images.
// Checks that both give byte-identical files and the same loaded image, and
// prints the times and their ratio. Not a test: run it by hand (bench/README.md).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>

#include "bench/BenchImages.h"
#include "settings/FilePaths.h"
#include "settings/SettingsFiles.h"
#include "tests/settings/TempFolder.h"
#include "tests/settings/win32/PlatformSettingsFiles.h"

namespace mervik {
namespace {

constexpr int kRounds = 6;

// Mean milliseconds of `work` over the rounds; round r gets r.
double MeanMs(const std::function<void(int)>& work) {
    auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < kRounds; ++r)
        work(r);
    std::chrono::duration<double, std::milli> total = std::chrono::steady_clock::now() - start;
    return total.count() / kRounds;
}

bool SameFiles(const std::string& a, const std::string& b) {
    bool same = testing::TempFolder::Read(ConfigFilePath(a)) ==
                testing::TempFolder::Read(ConfigFilePath(b));
    for (int n = 0; n < kProfileFileCount; ++n)
        same &= testing::TempFolder::Read(ProfileFilePath(a, n)) ==
                testing::TempFolder::Read(ProfileFilePath(b, n));
    return same;
}

void Report(const char* what, double ours, double platform) {
    std::printf("%-9s ours %8.3f ms   platform key by key %9.3f ms   ratio %7.1fx\n", what, ours,
                platform, platform / ours);
}

int Run() {
    testing::TempFolder ours, theirs;
    CreateDirectoryA(theirs.File("config").c_str(), nullptr);
    std::unique_ptr<SharedSettingsBlock> images[] = {bench::BenchImage(0), bench::BenchImage(1)};
    bool saved = true;

    // Every round saves the other image, so every file really changes.
    double saveOurs = MeanMs([&](int r) { saved &= SaveAll(*images[r % 2], ours.Folder()); });
    double savePlatform =
        MeanMs([&](int r) { testing::PlatformSaveAll(*images[r % 2], theirs.Folder()); });
    bool sameFiles = saved && SameFiles(ours.Folder(), theirs.Folder());

    auto loadedOurs = std::make_unique<SharedSettingsBlock>();
    auto loadedPlatform = std::make_unique<SharedSettingsBlock>();
    bool loaded = true;
    double loadOurs = MeanMs([&](int) { loaded &= LoadAll(*loadedOurs, theirs.Folder()); });
    double loadPlatform =
        MeanMs([&](int) { testing::PlatformLoadAll(*loadedPlatform, theirs.Folder()); });
    bool sameImage = loaded && std::memcmp(loadedOurs.get(), loadedPlatform.get(),
                                           sizeof(SharedSettingsBlock)) == 0;

    std::printf("config.ini and five full profiles, mean of %d rounds\n", kRounds);
    Report("save all", saveOurs, savePlatform);
    Report("load all", loadOurs, loadPlatform);
    std::printf("files byte-identical: %s; loaded images identical: %s\n", sameFiles ? "yes" : "NO",
                sameImage ? "yes" : "NO");
    return sameFiles && sameImage ? 0 : 1;
}

} // namespace
} // namespace mervik

int main() {
    return mervik::Run();
}
