#include "macros/MacroFile.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "macros/DuplicateMacroNames.h"
#include "macros/MacroRecordRepair.h"
#include "settings/AtomicFileWrite.h"
#include "settings/FileAccess.h"
#include "settings/FilePaths.h"
#include "settings/IniDocument.h"

namespace mervik {

namespace {

constexpr std::string_view kMacroFileName = "sequence.dat";
constexpr std::string_view kKeptFileName = "sequence-kept.dat";
constexpr std::string_view kMacrosSection = "Macros";
constexpr std::string_view kCountKey = "number";
constexpr int32_t kMissingCount = -1;

// A full list's file, at most "9999=", 522 characters and CR LF a macro,
// stays well within the limit of what is read (FileLimits.h).
constexpr size_t kLongestMacroLine = 5 + 2 * sizeof(MacroRecord) + 2 + 2;
static_assert(kMaxMacroCount * kLongestMacroLine * 3 / 2 <= kMaxMacroFileBytes);

std::string IndexKey(int index) {
    return std::to_string(index);
}

std::string MacroNote(int index, std::string_view note) {
    return std::string(kMacroFileName) + " macro " + std::to_string(index) + ": " +
           std::string(note);
}

enum class MacroRead { Read, Missing, Damaged };

MacroRead ReadMacro(const IniDocument& file, int index, MacroRecord& record) {
    // A failed read leaves the buffer alone; start from zeros so no undefined
    // bytes can reach the list.
    std::memset(&record, 0, sizeof record);
    const std::string key = IndexKey(index);
    if (file.ReadStruct(kMacrosSection, key, &record, sizeof record))
        return MacroRead::Read;
    return file.Find(kMacrosSection, key) ? MacroRead::Damaged : MacroRead::Missing;
}

} // namespace

std::string MacroFilePath(const std::string& programFolder) {
    // The macro file sits beside the profile files.
    return FolderOf(ProfileFilePath(programFolder, 0)) + std::string(kMacroFileName);
}

std::string KeptMacroFilePath(const std::string& programFolder) {
    return FolderOf(ProfileFilePath(programFolder, 0)) + std::string(kKeptFileName);
}

MacroFileRead LoadMacroList(const std::string& programFolder, MacroList& list, LoadNotes* notes,
                            SharedSettingsBlock* buttons) {
    return LoadMacroFile(MacroFilePath(programFolder), list, notes, buttons);
}

MacroFileRead LoadMacroFile(const std::string& path, MacroList& list, LoadNotes* notes,
                            SharedSettingsBlock* buttons) {
    list.Clear();
    const FileContent content = ReadWholeFile(path, kMaxMacroFileBytes);
    if (content.status == FileStatus::Unreadable) {
        AddNote(notes, UnreadableNote(path, content));
        return MacroFileRead::Unreadable;
    }

    const IniDocument file(content.bytes);
    // The count is outside data: it sizes nothing, only present keys cost
    // memory, and the walk over the indexes ends where a list must end anyway.
    const int32_t counted = file.ReadInt(kMacrosSection, kCountKey, kMissingCount);
    const int32_t count = std::min(counted, kMaxMacroCount);
    MacroRecord record;
    int missing = 0;
    for (int index = 0; index < count; ++index) {
        switch (ReadMacro(file, index, record)) {
        case MacroRead::Missing:
            ++missing;
            continue;
        case MacroRead::Damaged:
            AddNote(notes, MacroNote(index, "damaged, skipped"));
            continue;
        case MacroRead::Read:
            for (const std::string& note : RepairLoadedMacro(record))
                AddNote(notes, MacroNote(index, note));
            list.Append(record);
            break;
        }
    }
    if (missing > 0)
        AddNote(notes, std::string(kMacroFileName) + ": " + std::to_string(missing) + " of the " +
                           std::to_string(count) + " macros it counts are missing");
    bool keepFile = counted > kMaxMacroCount;
    if (keepFile)
        AddNote(notes, std::string(kMacroFileName) + " counts " + std::to_string(counted) +
                           " macros, more than the " + std::to_string(kMaxMacroCount) +
                           " a list holds: the first " + std::to_string(kMaxMacroCount) +
                           " are loaded, and the file keeps the others until the macros are "
                           "changed and saved");
    for (std::string& note : RepairDuplicateMacroNames(list, buttons)) {
        AddNote(notes, std::move(note));
        keepFile = true;
    }
    if (keepFile)
        list.KeepFileWhileUnchanged();
    return MacroFileRead::Read;
}

bool SaveMacroList(const std::string& programFolder, const MacroList& list) {
    return SaveMacroFile(MacroFilePath(programFolder), list);
}

bool SaveMacroFile(const std::string& path, const MacroList& list) {
    if (list.UnchangedSinceKept())
        return true;
    IniDocument file;
    file.WriteInt(kMacrosSection, kCountKey, list.Count());
    for (int index = 0; index < list.Count(); ++index)
        file.WriteStruct(kMacrosSection, IndexKey(index), list.RecordAt(index),
                         sizeof(MacroRecord));
    return WriteFileAtomically(path, file.Bytes());
}

MacroSource LoadOptionMacros(const std::string& programFolder, MacroList& list, LoadNotes* notes,
                             SharedSettingsBlock* buttons) {
    MacroSource source;
    source.macroFile = LoadMacroList(programFolder, list, notes, buttons);
    source.savePath = MacroFilePath(programFolder);
    if (source.macroFile == MacroFileRead::Read)
        return source;
    source.savePath = KeptMacroFilePath(programFolder);
    if (LoadMacroFile(source.savePath, list, notes, buttons) == MacroFileRead::Unreadable) {
        list.Clear();
        source.savePath.clear(); // neither file is written over
    }
    return source;
}

} // namespace mervik
