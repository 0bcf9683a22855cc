#include <windows.h>

#include <algorithm>

#include "settings/FileSystem.h"

namespace mervik::fs {

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : handle_(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        bool ok = !valid() || CloseHandle(handle_);
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
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
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
    if (CreateDirectoryA(folder.c_str(), nullptr))
        return true;
    DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
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
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        if (attempt == kMoveAttempts || !IsHeldByAnother(GetLastError()))
            return false;
        Sleep(kMoveRetryMs);
    }
}

void RemoveFile(const std::string& path) {
    DeleteFileA(path.c_str());
}

unsigned long ProcessId() {
    return GetCurrentProcessId();
}

} // namespace mervik::fs
