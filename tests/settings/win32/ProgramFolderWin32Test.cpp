#include <windows.h>

#include <gtest/gtest.h>

#include "settings/FileAccess.h"
#include "settings/FilePaths.h"

namespace mervik {
namespace {

TEST(ProgramFolderWin32, IsTheFolderOfTheRunningProgramWithItsSeparator) {
    std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    char self[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    ASSERT_GT(length, folder.size());
    std::string name(self + folder.size(), length - folder.size());
    EXPECT_EQ(name.find('\\'), std::string::npos);
    EXPECT_TRUE(FileExists(folder + name));
}

} // namespace
} // namespace mervik
