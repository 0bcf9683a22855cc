#pragma once
// Reading whole files, and telling a missing file from one that cannot be read:
// a file that exists must never be replaced by an empty one because a read failed.
#include <cstddef>
#include <string>

#include "settings/FileLimits.h"

namespace mervik {

enum class FileStatus {
    Ok,
    Missing,
    Unreadable, // exists (or may) but cannot be opened or read, or is refused as too large
};

struct FileContent {
    FileStatus status = FileStatus::Missing;
    std::string bytes;
    bool tooLarge = false; // Unreadable because it holds more than the limit
};

// A file of more than `limit` bytes is Unreadable (and tooLarge) without
// being read further than that: see FileLimits.h.
FileContent ReadWholeFile(const std::string& path, size_t limit = kMaxIniFileBytes);

// Why a file came back Unreadable, for LoadNotes; `name` says which file.
std::string UnreadableNote(const std::string& name, const FileContent& content);

// True when the file can be opened for reading.
bool FileExists(const std::string& path);

} // namespace mervik
