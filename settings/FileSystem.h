#pragma once
// The few file-system calls that differ between Windows and the native build.
// Only the atomic writer uses them.
#include <string>
#include <string_view>

namespace mervik::fs {

// True when `folder` exists afterwards (already there or created); its parent must exist.
bool EnsureFolder(const std::string& folder);

// Creates `path` (failing if it exists) holding exactly `bytes`; true when all were written.
bool WriteNewFile(const std::string& path, std::string_view bytes);

// Renames `from` over `to`, replacing it in one step.
bool MoveOver(const std::string& from, const std::string& to);

void RemoveFile(const std::string& path);

// Tells temporary names of two processes apart.
unsigned long ProcessId();

} // namespace mervik::fs
