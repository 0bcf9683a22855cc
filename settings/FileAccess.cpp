#include "settings/FileAccess.h"

#include "settings/FileSystem.h"

namespace mervik {

FileContent ReadWholeFile(const std::string& path) {
    FileContent content;
    switch (fs::ReadAll(path, content.bytes)) {
    case fs::ReadResult::Ok:
        content.status = FileStatus::Ok;
        break;
    case fs::ReadResult::Missing:
        content.status = FileStatus::Missing;
        content.bytes.clear();
        break;
    case fs::ReadResult::Unreadable:
        content.status = FileStatus::Unreadable;
        content.bytes.clear();
        break;
    }
    return content;
}

bool FileExists(const std::string& path) {
    std::string ignored;
    return fs::ReadAll(path, ignored) == fs::ReadResult::Ok;
}

} // namespace mervik
