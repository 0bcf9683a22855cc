#pragma once
// Where the suite's files live: every data file is named relative to the
// folder of the running program.
#include <string>
#include <string_view>

namespace mervik {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

constexpr int kProfileFileCount = 5;

// The folder part of `path` with its trailing separator; empty when `path`
// names no folder, so that names built on it are relative to the current one.
std::string FolderOf(std::string_view path);

// The program folder for a program whose own file is `modulePath`.
inline std::string ProgramFolderOf(std::string_view modulePath) {
    return FolderOf(modulePath);
}

#ifdef _WIN32
// The running program's folder; empty when its path cannot be obtained.
std::string ProgramFolder();
#endif

std::string ConfigFilePath(const std::string& programFolder);
// Profile file `n` (0..4); its number starts at 0 while default profile names start at 1.
std::string ProfileFilePath(const std::string& programFolder, int n);

} // namespace mervik
