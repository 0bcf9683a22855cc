#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "settings/FileSystem.h"

namespace mervik::fs {

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
    return ::close(fd) == 0 && ok;
}

bool MoveOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
}

unsigned long ProcessId() {
    return static_cast<unsigned long>(::getpid());
}

} // namespace mervik::fs
