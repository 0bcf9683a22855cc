// export, import, backup and restore: settings that leave the program folder
// and come back, through the same files and checks the programs use.
#include <memory>

#include "exchange/ProfileImport.h"
#include "exchange/ProfileSharingFile.h"
#include "exchange/SettingsBackup.h"
#include "macros/MacroFile.h"
#include "settings/AtomicFileWrite.h"
#include "settings/FileAccess.h"
#include "settings/FilePaths.h"
#include "settings/FileSystem.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileIdentity.h"
#include "settings/SettingsFiles.h"
#include "tools/mervikctl/Commands.h"
#include "tools/mervikctl/MonitorHandOver.h"
#include "tools/mervikctl/ProfileTarget.h"
#include "tools/mervikctl/SettingsFolder.h"

namespace mervik::tools {

namespace {

std::unique_ptr<SharedSettingsBlock> LoadImage(const std::string& folder, std::ostream& err) {
    auto image = std::make_unique<SharedSettingsBlock>();
    CreateImage(*image);
    LoadNotes notes;
    LoadAll(*image, folder, nullptr, &notes);
    PrintLoadNotes(notes, err);
    return image;
}

int Failed(std::ostream& err, const std::string& what) {
    err << "mervikctl: " << what << "\n";
    return kExitFailed;
}

// A FILE argument's bytes, at most `limit` of them; none after a message.
std::optional<std::string> ReadGivenFile(const std::string& path, size_t limit, std::ostream& err) {
    FileContent content = ReadWholeFile(path, limit);
    if (content.status == FileStatus::Ok)
        return std::move(content.bytes);
    Failed(err, content.status == FileStatus::Missing ? "cannot read " + path + ": no such file"
                                                      : UnreadableNote(path, content));
    return std::nullopt;
}

int TellMonitor(HandOver handOver, std::ostream& err) {
    if (handOver != HandOver::BlockRefused)
        return kExitOk;
    return Failed(err, "the files are written, but the running Monitor could not be told; it "
                       "takes them at its next start");
}

// The folder of a command without N: FOLDER checked, FILE as given.
std::optional<CommandArguments> ReadFolderAndFile(std::string_view command, const Arguments& args,
                                                  Streams io, int& exitCode) {
    exitCode = kExitUsage;
    std::optional<CommandArguments> given = CommandArguments::Read(command, args, io.err);
    if (!given)
        return std::nullopt;
    exitCode = kExitFailed;
    if (!CheckSettingsFolder(given->At(0), io.err))
        return std::nullopt;
    return given;
}

// The import proper: the folder's profile and macro file read, the plan made
// and both files written, all under one hold of the save lock, so that no
// save of Option's or Monitor's falls between the macro file's read and its
// rewrite. Empty when it failed, after a message.
std::unique_ptr<ProfileRecord> ImportIntoFolder(const ProfileTarget& target,
                                                const std::string& text, Streams io) {
    const std::string& file = target.given.At(2);
    fs::SaveLock lock;
    if (!lock.Held()) {
        Failed(io.err, "another program is saving the settings; nothing changed, try again");
        return nullptr;
    }
    const std::string profilePath = ProfileFilePath(target.folder, target.index);
    const FileContent profileFile = ReadWholeFile(profilePath);
    if (profileFile.status == FileStatus::Unreadable) {
        Failed(io.err, UnreadableNote(profilePath, profileFile) + "; nothing changed");
        return nullptr;
    }
    const auto image = LoadImage(target.folder, io.err);
    MacroList macros;
    LoadNotes macroNotes;
    const MacroFileRead read = LoadMacroList(target.folder, macros, &macroNotes, image.get());
    PrintLoadNotes(macroNotes, io.err);
    if (read == MacroFileRead::Unreadable) {
        Failed(io.err, "the macro file cannot be read, so the profile's macros cannot be added "
                       "to it; nothing changed");
        return nullptr;
    }
    std::string error;
    std::optional<ImportPlan> plan = PlanProfileImport(text, target.index, macros, error);
    if (!plan) {
        Failed(io.err, file + " refused: " + error + "; nothing changed");
        return nullptr;
    }
    for (const std::string& note : plan->notes)
        io.err << "mervikctl: " << file << ": " << note << "\n";
    ApplyProfileImport(*plan, *image, target.index, macros);
    // The macros first: a profile whose buttons play macros the list lacks
    // would lose them at Option's next sync.
    if (!plan->added.empty() && !SaveMacroList(target.folder, macros)) {
        Failed(io.err, "could not write " + MacroFilePath(target.folder) + "; nothing changed");
        return nullptr;
    }
    if (!SaveProfile(*plan->profile, profilePath)) {
        Failed(io.err, "could not write " + profilePath +
                           " (it cannot be read or written); the profile is not imported");
        return nullptr;
    }
    io.out << "profile " << target.index << ": " << ProfileName(*plan->profile) << " imported from "
           << file << ", " << plan->added.size() << " macros added\n";
    return std::move(plan->profile);
}

} // namespace

int ExportCommand(const Arguments& args, Streams io) {
    int exitCode = kExitOk;
    const std::optional<ProfileTarget> target = ReadProfileTarget("export", args, io, exitCode);
    if (!target)
        return exitCode;
    const std::string profilePath = ProfileFilePath(target->folder, target->index);
    const FileContent profileFile = ReadWholeFile(profilePath);
    if (profileFile.status == FileStatus::Unreadable)
        return Failed(io.err, UnreadableNote(profilePath, profileFile) + "; nothing exported");
    const auto image = LoadImage(target->folder, io.err);
    const ProfileRecord& profile = image->Profiles[target->index];
    const std::string& file = target->given.At(2);
    if (!WriteFileAtomically(file, WriteProfileSharingFile(profile)))
        return Failed(io.err, "could not write " + file);
    io.out << "profile " << target->index << " (" << ProfileName(profile) << ") exported to "
           << file << " with " << MacrosPlayedBy(profile).size() << " macros\n";
    return kExitOk;
}

int ImportCommand(const Arguments& args, Streams io) {
    int exitCode = kExitOk;
    const std::optional<ProfileTarget> target = ReadProfileTarget("import", args, io, exitCode);
    if (!target)
        return exitCode;
    const std::optional<std::string> text =
        ReadGivenFile(target->given.At(2), kMaxProfileSharingFileBytes, io.err);
    if (!text)
        return kExitFailed;
    const std::unique_ptr<ProfileRecord> imported = ImportIntoFolder(*target, *text, io);
    if (!imported)
        return kExitFailed;
    // Monitor is told once the lock is free again: it saves under it too.
    return TellMonitor(HandImportedProfileToMonitor(target->folder, target->index, *imported),
                       io.err);
}

int BackupCommand(const Arguments& args, Streams io) {
    int exitCode = kExitOk;
    const std::optional<CommandArguments> given = ReadFolderAndFile("backup", args, io, exitCode);
    if (!given)
        return exitCode;
    std::string error;
    const std::optional<std::string> backup = MakeBackup(FolderArgument(given->At(0)), error);
    if (!backup)
        return Failed(io.err, error + "; no backup written");
    if (!WriteFileAtomically(given->At(1), *backup))
        return Failed(io.err, "could not write " + given->At(1));
    io.out << "backed up " << given->At(0) << " to " << given->At(1) << "\n";
    return kExitOk;
}

int RestoreCommand(const Arguments& args, Streams io) {
    int exitCode = kExitOk;
    const std::optional<CommandArguments> given = ReadFolderAndFile("restore", args, io, exitCode);
    if (!given)
        return exitCode;
    const std::optional<std::string> backup =
        ReadGivenFile(given->At(1), kMaxBackupFileBytes, io.err);
    if (!backup)
        return kExitFailed;
    const std::string folder = FolderArgument(given->At(0));
    std::string error;
    if (!RestoreBackup(folder, *backup, error))
        return Failed(io.err, error + "; nothing changed");
    io.out << "restored " << given->At(0) << " from " << given->At(1) << "\n";
    const auto image = LoadImage(folder, io.err);
    return TellMonitor(HandRestoredImageToMonitor(folder, *image), io.err);
}

} // namespace mervik::tools
