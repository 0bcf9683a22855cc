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

} // namespace

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
    return file.Close() && ok;
}

bool MoveOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void RemoveFile(const std::string& path) {
    DeleteFileA(path.c_str());
}

unsigned long ProcessId() {
    return GetCurrentProcessId();
}

} // namespace mervik::fs
