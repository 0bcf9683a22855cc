#pragma once
// The few file-system calls that differ between Windows and the native build.
// Only the file reader and the atomic writer use them.
#include <cstddef>
#include <string>
#include <string_view>

namespace mervik::fs {

enum class ReadResult {
    Ok,
    Missing,
    Unreadable,
    TooLarge, // more than the limit: reading stopped there
};

// Reads the whole file into `bytes`, or stops with TooLarge (and `bytes`
// empty) as soon as it holds more than `limit` bytes. The file is opened so
// that other programs may replace or delete it meanwhile: Monitor and Option
// read and save the same files, and a reader must never make the other's save
// fail.
ReadResult ReadAll(const std::string& path, std::string& bytes, size_t limit);

// True when `folder` exists afterwards (already there or created); its parent must exist.
bool EnsureFolder(const std::string& folder);

// Creates `path` (failing if it exists) holding exactly `bytes`; true when all
// were written and flushed to the disk.
bool WriteNewFile(const std::string& path, std::string_view bytes);

// Renames `from` over `to`, replacing it in one step. A target that another
// program holds open without sharing is waited for a little while.
bool MoveOver(const std::string& from, const std::string& to);

void RemoveFile(const std::string& path);

// Held around each read-modify-write of a settings file, and around a whole
// save of several. Monitor and Option save the same files, and one's read
// followed by the other's write would undo the other's edit. Across processes
// on Windows (a named mutex), within the process natively. Saves run on
// window threads and any program may hold the named mutex, so the wait is
// short: when the lock cannot be had within kSaveLockWaitMs it is not held,
// and the save must not be done. A thread already holding it (a whole save
// around its files' writes) takes it again at once; only the thread that
// took it lets it go.
inline constexpr unsigned kSaveLockWaitMs = 500;
// The named mutex on Windows. Not a name any peer relies on: only this
// suite's programs take it.
inline constexpr char kSaveLockName[] = "Mervik_Settings_Files_Save";

class SaveLock {
public:
    SaveLock();
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    bool Held() const { return held_; }

private:
    [[maybe_unused]] void* handle_ = nullptr; // the named mutex (Windows)
    bool held_ = false;
};

// Tells temporary names of two processes apart.
unsigned long ProcessId();

} // namespace mervik::fs
