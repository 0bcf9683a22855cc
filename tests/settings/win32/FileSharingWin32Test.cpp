#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "settings/AtomicFileWrite.h"
#include "settings/FileAccess.h"

namespace mervik {
namespace {

// Monitor and Option save the same files; one holding a file open must not make
// the other's save fail or lose the file.
class FileSharingTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ =
            std::string(temp) + "mervik-sharing-" + std::to_string(GetCurrentProcessId()) + ".ini";
        ASSERT_TRUE(WriteFileAtomically(path_, "old"));
    }
    void TearDown() override { DeleteFileA(path_.c_str()); }

    // Opened the way the C library's fopen opens: others may read and write, not replace.
    HANDLE OpenWithoutDeleteSharing() {
        return CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    std::string path_;
};

TEST_F(FileSharingTest, SaveWaitsForABriefHolderAndThenReplacesTheFile) {
    HANDLE holder = OpenWithoutDeleteSharing();
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    std::thread release([holder] {
        Sleep(60);
        CloseHandle(holder);
    });
    bool saved = WriteFileAtomically(path_, "new");
    release.join();
    EXPECT_TRUE(saved);
    EXPECT_EQ(ReadWholeFile(path_).bytes, "new");
}

TEST_F(FileSharingTest, SaveAgainstAHolderThatStaysFailsAndKeepsTheOldFile) {
    HANDLE holder = OpenWithoutDeleteSharing();
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteFileAtomically(path_, "new"));
    CloseHandle(holder);
    EXPECT_EQ(ReadWholeFile(path_).bytes, "old");
}

// Another program reading the file now and then (each read holds it open for a
// moment) must not make a save fail.
TEST_F(FileSharingTest, SavesSucceedWhileAnotherThreadKeepsReading) {
    std::atomic<bool> done{false};
    std::atomic<int> reads{0};
    std::thread reader([&] {
        while (!done) {
            FileContent content = ReadWholeFile(path_);
            EXPECT_EQ(content.status, FileStatus::Ok);
            EXPECT_TRUE(content.bytes == "old" || content.bytes.rfind("save ", 0) == 0);
            ++reads;
            Sleep(1);
        }
    });
    int failed = 0;
    for (int i = 0; i < 50; ++i)
        failed += WriteFileAtomically(path_, "save " + std::to_string(i)) ? 0 : 1;
    done = true;
    reader.join();
    EXPECT_EQ(failed, 0);
    EXPECT_GT(reads.load(), 0);
    EXPECT_EQ(ReadWholeFile(path_).bytes, "save 49");
}

} // namespace
} // namespace mervik
