#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <thread>

#include "settings/AtomicFileWrite.h"
#include "settings/FileAccess.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

using testing::TempFolder;

// Two writers editing different keys of one file (Monitor and Option saving
// config.ini): each read-modify-write is whole, so neither undoes the other.
// On a busy machine a write may not have the save lock within its bound; it
// then says so and changes nothing, so the file holds each writer's last
// write that succeeded.
TEST(IniFile, EditsOfTwoWritersNeverUndoEachOther) {
    TempFolder dir;
    const std::string path = dir.File("config.ini");
    constexpr int kEdits = 150;
    auto writer = [&](const char* key, int& lastWritten) {
        IniFile ini(path);
        for (int n = 1; n <= kEdits; ++n)
            if (ini.WriteInt("Setting", key, n))
                lastWritten = n;
    };
    int device = -1;
    int profile = -1;
    std::thread first(writer, "Device", std::ref(device));
    std::thread second(writer, "CurrentProfile", std::ref(profile));
    first.join();
    second.join();
    ASSERT_GT(device, 0);
    ASSERT_GT(profile, 0);
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInt("Setting", "Device", -1), device);
    EXPECT_EQ(ini.ReadInt("Setting", "CurrentProfile", -1), profile);
}

TEST(IniFile, WritesCreateTheFileAndReadsSeeEachWrite) {
    TempFolder dir;
    IniFile ini(dir.File("a.ini"));
    EXPECT_EQ(ini.ReadInt("s", "k", -1), -1);
    EXPECT_TRUE(ini.WriteInt("s", "k", 42));
    EXPECT_TRUE(ini.WriteText("s", "t", "text"));
    const uint8_t record[4] = {1, 2, 3, 4};
    EXPECT_TRUE(ini.WriteStruct("r", "x", record, sizeof record));
    EXPECT_EQ(ini.ReadInt("S", "K", -1), 42);
    EXPECT_EQ(ini.ReadText("s", "t", ""), "text");
    uint8_t back[4] = {};
    EXPECT_TRUE(ini.ReadStruct("r", "x", back, sizeof back));
    EXPECT_EQ(back[3], 4);
    EXPECT_EQ(TempFolder::Read(ini.Path()), "[s]\r\nk=42\r\nt=text\r\n[r]\r\nx=010203040A\r\n");
}

TEST(IniFile, AMissingFolderIsCreated) {
    TempFolder dir;
    IniFile ini(dir.File("config") + kPathSeparator + "Default0.gmp");
    EXPECT_TRUE(ini.WriteText("Setting", "ProFileName", "x"));
    EXPECT_EQ(ini.ReadText("Setting", "ProFileName", ""), "x");
}

TEST(IniFile, FailedWritesAreReportedAndLeaveNoTemporaries) {
    TempFolder dir;
    TempFolder::Write(dir.File("plain"), "not a folder");
    IniFile underAFile(dir.File("plain") + kPathSeparator + "a.ini");
    EXPECT_FALSE(underAFile.WriteInt("s", "k", 1));
    EXPECT_FALSE(WriteFileAtomically(
        dir.File("nofolder") + kPathSeparator + "deeper" + kPathSeparator + "a.ini", "x"));

    // A folder where the file should be cannot be read, so it is not replaced.
    std::filesystem::create_directory(dir.File("dir.ini"));
    IniFile unreadable(dir.File("dir.ini"));
    EXPECT_FALSE(unreadable.WriteInt("s", "k", 1));
    EXPECT_EQ(ReadWholeFile(dir.File("dir.ini")).status, FileStatus::Unreadable);

    int entries = 0;
    for (auto& entry : std::filesystem::directory_iterator(dir.Folder()))
        entries += entry.path().extension() == ".tmp";
    EXPECT_EQ(entries, 0);
}

TEST(IniFile, ReplacingKeepsTheOtherLinesOfTheFile) {
    TempFolder dir;
    const std::string before =
        "; keep me\r\n[Setting]\r\nCurrentProfile = 1\r\nUnknown=x\r\n\r\n[Other]\nv=1\n";
    TempFolder::Write(dir.File("config.ini"), before);
    IniFile ini(dir.File("config.ini"));
    EXPECT_TRUE(ini.WriteInt("Setting", "CurrentProfile", 1)); // same value: untouched
    EXPECT_EQ(TempFolder::Read(ini.Path()), before);
    EXPECT_TRUE(ini.WriteInt("Setting", "CurrentProfile", 3));
    EXPECT_EQ(TempFolder::Read(ini.Path()),
              "; keep me\r\n[Setting]\r\nCurrentProfile=3\r\nUnknown=x\r\n\r\n[Other]\nv=1\n");
}

} // namespace
} // namespace mervik
