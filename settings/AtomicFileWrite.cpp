#include "settings/AtomicFileWrite.h"

#include <atomic>
#include <utility>

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
    StagedFile staged(path, bytes);
    return staged.Staged() && staged.Commit();
}

StagedFile::StagedFile(std::string path, std::string_view bytes) : path_(std::move(path)) {
    if (!EnsureFolderOf(path_))
        return;
    temporary_ = TemporaryNameFor(path_);
    staged_ = fs::WriteNewFile(temporary_, bytes);
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : path_(std::move(other.path_)), temporary_(std::move(other.temporary_)),
      staged_(other.staged_) {
    other.temporary_.clear();
    other.staged_ = false;
}

StagedFile::~StagedFile() {
    if (!temporary_.empty())
        fs::RemoveFile(temporary_);
}

bool StagedFile::Commit() {
    if (!staged_ || !fs::MoveOver(temporary_, path_))
        return false;
    temporary_.clear();
    staged_ = false;
    return true;
}

} // namespace mervik
