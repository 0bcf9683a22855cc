#include "settings/FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace mervik {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

FileContent ReadWholeFile(const std::string& path) {
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return {errno == ENOENT ? FileStatus::Missing : FileStatus::Unreadable, {}};
    FileContent content{FileStatus::Ok, {}};
    char chunk[64 * 1024];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        content.bytes.append(chunk, got);
    if (std::ferror(file.get()))
        return {FileStatus::Unreadable, {}};
    return content;
}

bool FileExists(const std::string& path) {
    return FilePtr(std::fopen(path.c_str(), "rb")) != nullptr;
}

} // namespace mervik
