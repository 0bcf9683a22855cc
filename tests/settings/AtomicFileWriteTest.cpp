// The atomic writer as the system sees it: the new file's bytes are flushed to
// the disk before the rename makes them the file, so a power cut right after a
// save leaves the old file or the whole new one, never an empty one under the
// real name. This program stands in for the system's fsync and rename to watch
// the order (the definitions below take the place of the C library's for every
// call in this executable), so it is a test program of its own.
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/AtomicFileWrite.h"
#include "tests/settings/TempFolder.h"

namespace {

std::vector<std::string> g_calls;
bool g_failFlush = false;

} // namespace

extern "C" int fsync(int fd) {
    g_calls.push_back("fsync");
    if (g_failFlush) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

extern "C" int rename(const char* from, const char* to) noexcept {
    g_calls.push_back("rename");
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace mervik {
namespace {

using testing::TempFolder;

class AtomicFileWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        g_failFlush = false;
    }
    int Temporaries() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Folder()))
            count += entry.path().extension() == ".tmp";
        return count;
    }
    TempFolder dir;
};

TEST_F(AtomicFileWriteTest, TheNewFileIsFlushedBeforeItReplacesTheOldOne) {
    const std::string path = dir.File("a.ini");
    TempFolder::Write(path, "old");
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"fsync", "rename"}));
    EXPECT_EQ(TempFolder::Read(path), "new");
}

TEST_F(AtomicFileWriteTest, AFailedFlushIsAFailedSaveAndLeavesTheOldFile) {
    const std::string path = dir.File("a.ini");
    TempFolder::Write(path, "old");
    g_failFlush = true;
    EXPECT_FALSE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"fsync"}));
    EXPECT_EQ(TempFolder::Read(path), "old");
    EXPECT_EQ(Temporaries(), 0);
}

} // namespace
} // namespace mervik
