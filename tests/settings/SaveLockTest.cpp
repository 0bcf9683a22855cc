// Saves wait for the save lock only briefly: a window must keep answering
// while another holds it, and a save that cannot have it is not done.
#include "settings/FileSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>

#include "settings/FilePaths.h"
#include "settings/IniFile.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tests/settings/HeldSaveLock.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

using testing::TempFolder;
using Clock = std::chrono::steady_clock;

std::unique_ptr<SharedSettingsBlock> Image(int current) {
    auto image = std::make_unique<SharedSettingsBlock>();
    ResetAllProfiles(*image);
    image->CurrentProfile = current;
    return image;
}

TEST(SaveLock, ASaveThatCannotHaveItFailsSoonAndWritesNothing) {
    TempFolder dir;
    ASSERT_TRUE(SaveAll(*Image(1), dir.Folder()));
    const std::string config = TempFolder::Read(ConfigFilePath(dir.Folder()));
    {
        testing::HeldSaveLock other;
        const auto start = Clock::now();
        EXPECT_FALSE(SaveAll(*Image(4), dir.Folder()));
        EXPECT_FALSE(IniFile(ConfigFilePath(dir.Folder())).WriteInt("Setting", "Device", 1));
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(2)); // two waits, each short
        EXPECT_EQ(TempFolder::Read(ConfigFilePath(dir.Folder())), config);
    }
    EXPECT_TRUE(SaveAll(*Image(4), dir.Folder()));
    EXPECT_NE(TempFolder::Read(ConfigFilePath(dir.Folder())), config);
}

// A whole save holds the lock around its files' own writes.
TEST(SaveLock, TheThreadHoldingItTakesItAgainAndOthersWaitUntilItsLastHoldEnds) {
    TempFolder dir;
    auto outer = std::make_unique<fs::SaveLock>();
    ASSERT_TRUE(outer->Held());
    EXPECT_TRUE(SaveAll(*Image(2), dir.Folder()));
    auto other = [] {
        return std::async(std::launch::async, [] { return fs::SaveLock().Held(); });
    };
    EXPECT_FALSE(other().get());
    outer.reset();
    EXPECT_TRUE(other().get());
}

} // namespace
} // namespace mervik
