#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>

#include "settings/FileSystem.h"

namespace mervik::fs {

ReadResult ReadAll(const std::string& path, std::string& bytes, size_t limit) {
    bytes.clear();
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Unreadable;
    char chunk[64 * 1024];
    size_t got;
    while (bytes.size() <= limit && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    bool failed = std::ferror(file);
    std::fclose(file);
    if (failed || bytes.size() > limit) {
        bytes.clear();
        return failed ? ReadResult::Unreadable : ReadResult::TooLarge;
    }
    return ReadResult::Ok;
}

bool EnsureFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0777) == 0)
        return true;
    struct stat info;
    return errno == EEXIST && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = true;
    for (size_t done = 0; ok && done < bytes.size();) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += ok ? static_cast<size_t>(n) : 0;
    }
    // On the disk before the rename: otherwise a power cut can leave the
    // renamed file empty or partial.
    ok = ok && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool MoveOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
}

namespace {

// Natively only this process's threads share the files. The lock is a flag
// under a plain mutex, waited for on a condition: a timed mutex's wait is not
// seen by the thread sanitizer, which then takes its unlock for one by the
// wrong thread. Each thread counts its own holds, so a nested lock never
// waits on itself and only the taking thread lets go.
struct SaveGate {
    std::mutex mutex;
    std::condition_variable freed;
    bool taken = false;
};

SaveGate& Gate() {
    static SaveGate gate;
    return gate;
}

thread_local int saveLockDepth = 0;

} // namespace

SaveLock::SaveLock() {
    if (saveLockDepth == 0) {
        SaveGate& gate = Gate();
        std::unique_lock lock(gate.mutex);
        held_ = gate.freed.wait_for(lock, std::chrono::milliseconds(kSaveLockWaitMs),
                                    [&] { return !gate.taken; });
        gate.taken = gate.taken || held_;
    } else {
        held_ = true;
    }
    if (held_)
        ++saveLockDepth;
}

SaveLock::~SaveLock() {
    if (!held_ || --saveLockDepth > 0)
        return;
    SaveGate& gate = Gate();
    {
        std::lock_guard lock(gate.mutex);
        gate.taken = false;
    }
    gate.freed.notify_one();
}

unsigned long ProcessId() {
    return static_cast<unsigned long>(::getpid());
}

} // namespace mervik::fs
