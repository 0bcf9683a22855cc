#include "settings/FileAccess.h"

#include "settings/FileSystem.h"

namespace mervik {

FileContent ReadWholeFile(const std::string& path, size_t limit) {
    FileContent content;
    switch (fs::ReadAll(path, content.bytes, limit)) {
    case fs::ReadResult::Ok:
        content.status = FileStatus::Ok;
        break;
    case fs::ReadResult::Missing:
        content.status = FileStatus::Missing;
        break;
    case fs::ReadResult::TooLarge:
        content.tooLarge = true;
        [[fallthrough]];
    case fs::ReadResult::Unreadable:
        content.status = FileStatus::Unreadable;
        break;
    }
    if (content.status != FileStatus::Ok)
        content.bytes.clear();
    return content;
}

std::string UnreadableNote(const std::string& name, const FileContent& content) {
    if (content.tooLarge)
        return name + " is far larger than any file the suite writes: taken as damaged, "
                      "not loaded and not written over";
    return name + " could not be read: not loaded and not written over";
}

bool FileExists(const std::string& path) {
    // Nothing needs to be read: a file with bytes is one that could be opened.
    std::string ignored;
    const fs::ReadResult result = fs::ReadAll(path, ignored, 0);
    return result == fs::ReadResult::Ok || result == fs::ReadResult::TooLarge;
}

} // namespace mervik
