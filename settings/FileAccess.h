#pragma once
// Reading whole files, and telling a missing file from one that cannot be read:
// a file that exists must never be replaced by an empty one because a read failed.
#include <string>

namespace mervik {

enum class FileStatus {
    Ok,
    Missing,
    Unreadable, // exists (or may) but cannot be opened or read
};

struct FileContent {
    FileStatus status = FileStatus::Missing;
    std::string bytes;
};

FileContent ReadWholeFile(const std::string& path);

// True when the file can be opened for reading.
bool FileExists(const std::string& path);

} // namespace mervik
