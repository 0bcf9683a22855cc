#pragma once
// Replacing a whole file so that a crash or a full disk leaves either the old
// file or the new one, never a half-written mix.
#include <string>
#include <string_view>

namespace mervik {

// Writes `bytes` to a temporary file in the same folder, flushes it to the
// disk and renames it over `path`, creating the folder itself when it is missing (its parent must
// exist). False when anything fails; the old file is then left as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The same in two steps, for replacing several files together: each new
// content is written and flushed beside its file first, and only when all
// are there does any replace its file. A staged file not committed is removed.
class StagedFile {
public:
    // Writes the temporary file; `Staged()` says whether that worked.
    StagedFile(std::string path, std::string_view bytes);
    ~StagedFile();
    StagedFile(StagedFile&& other) noexcept;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    StagedFile& operator=(StagedFile&&) = delete;

    bool Staged() const { return staged_; }
    // Renames the temporary file over the file; false when that fails.
    bool Commit();

private:
    std::string path_;
    std::string temporary_;
    bool staged_ = false;
};

} // namespace mervik
