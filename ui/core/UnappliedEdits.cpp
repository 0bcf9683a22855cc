#include "ui/core/UnappliedEdits.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "settings/AtomicFileWrite.h"
#include "settings/FileAccess.h"
#include "settings/FilePaths.h"
#include "settings/FileSystem.h"
#include "settings/ProfileCheck.h"
#include "ui/core/MonitorFollow.h"

namespace mervik::ui {

namespace {

constexpr std::string_view kFileName = "unapplied-edits.dat";
// The layout's name and version, then the two images.
constexpr std::string_view kMagic = "MervikUnappliedEdits1";
constexpr size_t kImageSize = sizeof(SharedSettingsBlock);
constexpr size_t kFileSize = kMagic.size() + 2 * kImageSize;

bool Exists(const std::string& path) {
    return ReadWholeFile(path, kFileSize).status != FileStatus::Missing;
}

} // namespace

std::string UnappliedEditsPath(const std::string& programFolder) {
    return FolderOf(ProfileFilePath(programFolder, 0)) + std::string(kFileName);
}

bool KeepUnappliedEdits(const std::string& programFolder, const SharedSettingsBlock& unedited,
                        const SharedSettingsBlock& edited) {
    const std::string path = UnappliedEditsPath(programFolder);
    if (Exists(path))
        return false; // the one left at the last start could not be read
    std::string bytes(kMagic);
    bytes.append(reinterpret_cast<const char*>(&unedited), kImageSize);
    bytes.append(reinterpret_cast<const char*>(&edited), kImageSize);
    return WriteFileAtomically(path, bytes);
}

KeptEdits TakeUnappliedEdits(const std::string& programFolder, SharedSettingsBlock& working,
                             LoadNotes* notes) {
    const std::string path = UnappliedEditsPath(programFolder);
    const FileContent content = ReadWholeFile(path, kFileSize);
    if (content.status == FileStatus::Missing)
        return KeptEdits::None;
    if (content.status != FileStatus::Ok || content.bytes.size() != kFileSize ||
        std::string_view(content.bytes).substr(0, kMagic.size()) != kMagic) {
        AddNote(notes, path + ": not the edits of this version, left as it is");
        return KeptEdits::Unreadable;
    }
    auto unedited = std::make_unique<SharedSettingsBlock>();
    auto edited = std::make_unique<SharedSettingsBlock>();
    std::memcpy(unedited.get(), content.bytes.data() + kMagic.size(), kImageSize);
    std::memcpy(edited.get(), content.bytes.data() + kMagic.size() + kImageSize, kImageSize);
    // The rule that keeps the user's edits under Monitor's news: what the
    // user left unedited takes the values of now.
    FollowMonitor(MonitorNews::BlockChanged, *edited, *unedited, working);
    for (std::string& note : CheckImageProfiles(*edited))
        AddNote(notes, std::move(note));
    if (!edited->HasActiveProfile())
        edited->CurrentProfile = working.CurrentProfile;
    working = *edited;
    fs::RemoveFile(path);
    return KeptEdits::Taken;
}

} // namespace mervik::ui
