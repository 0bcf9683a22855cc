#include "settings/AtomicFileWrite.h"

#include <atomic>

#include "settings/FilePaths.h"
#include "settings/FileSystem.h"

namespace mervik {

namespace {

// Unique among the writers of this process and of the other programs, so two
// writers of one file never share a temporary.
std::string TemporaryNameFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + "." + std::to_string(fs::ProcessId()) + "." + std::to_string(counter++) + ".tmp";
}

bool EnsureFolderOf(const std::string& path) {
    std::string folder = FolderOf(path);
    if (folder.size() <= 1)
        return true; // current folder or the root
    folder.pop_back();
    return fs::EnsureFolder(folder);
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (!EnsureFolderOf(path))
        return false;
    std::string temporary = TemporaryNameFor(path);
    if (fs::WriteNewFile(temporary, bytes) && fs::MoveOver(temporary, path))
        return true;
    fs::RemoveFile(temporary);
    return false;
}

} // namespace mervik
