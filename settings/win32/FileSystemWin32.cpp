#include <windows.h>

#include <algorithm>
#include <utility>

#include "settings/FileSystem.h"
#include "settings/win32/WidePath.h"

namespace mervik::fs {

namespace {

// A file's handle, shaped as the owners of win32/ are (move-only, get()),
// which sit above this folder. Closing reports its result: a write is only
// done once its handle closed.
class FileHandle {
public:
    explicit FileHandle(HANDLE h) : handle_(h) {}
    FileHandle(FileHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        const bool ok = !*this || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE handle_;
};

// How long a save waits for a program that holds the old file open without
// letting others replace it (an editor, a virus scanner).
constexpr int kMoveAttempts = 20;
constexpr DWORD kMoveRetryMs = 10;

bool IsHeldByAnother(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

} // namespace

ReadResult ReadAll(const std::string& path, std::string& bytes, size_t limit) {
    bytes.clear();
    FileHandle file(CreateFileW(win::Widen(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? ReadResult::Missing
                   : ReadResult::Unreadable;
    }
    char chunk[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) {
            bytes.clear();
            return ReadResult::Unreadable;
        }
        if (got == 0)
            return ReadResult::Ok;
        bytes.append(chunk, got);
        if (bytes.size() > limit) {
            bytes.clear();
            return ReadResult::TooLarge;
        }
    }
}

bool EnsureFolder(const std::string& folder) {
    const std::wstring wide = win::Widen(folder);
    if (CreateDirectoryW(wide.c_str(), nullptr))
        return true;
    DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    FileHandle file(CreateFileW(win::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    bool ok = true;
    for (size_t done = 0; ok && done < bytes.size();) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        ok = WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    ok = ok && FlushFileBuffers(file.get()); // on the disk before the rename
    return file.Close() && ok;
}

bool MoveOver(const std::string& from, const std::string& to) {
    const std::wstring source = win::Widen(from), target = win::Widen(to);
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(source.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        if (attempt == kMoveAttempts || !IsHeldByAnother(GetLastError()))
            return false;
        Sleep(kMoveRetryMs);
    }
}

void RemoveFile(const std::string& path) {
    DeleteFileW(win::Widen(path).c_str());
}

// A mutex is taken again at once by the thread that owns it.
SaveLock::SaveLock() : handle_(CreateMutexA(nullptr, FALSE, kSaveLockName)) {
    if (handle_) {
        const DWORD wait = WaitForSingleObject(handle_, kSaveLockWaitMs);
        held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
}

SaveLock::~SaveLock() {
    if (held_)
        ReleaseMutex(handle_);
    if (handle_)
        CloseHandle(handle_);
}

unsigned long ProcessId() {
    return GetCurrentProcessId();
}

} // namespace mervik::fs
