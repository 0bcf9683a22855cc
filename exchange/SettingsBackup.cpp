#include "exchange/SettingsBackup.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "exchange/Base64.h"
#include "exchange/JsonText.h"
#include "macros/MacroFile.h"
#include "settings/AtomicFileWrite.h"
#include "settings/FileAccess.h"
#include "settings/FileLimits.h"
#include "settings/FilePaths.h"
#include "settings/FileSystem.h"

namespace mervik {

namespace {

struct SuiteFile {
    std::string name; // in the backup
    std::string path; // in the program folder
    size_t limit;
};

std::vector<SuiteFile> SuiteFiles(const std::string& folder) {
    std::vector<SuiteFile> files{{"config.ini", ConfigFilePath(folder), kMaxIniFileBytes}};
    for (int n = 0; n < kProfileFileCount; ++n)
        files.push_back({"config/Default" + std::to_string(n) + ".gmp", ProfileFilePath(folder, n),
                         kMaxIniFileBytes});
    files.push_back({"config/sequence.dat", MacroFilePath(folder), kMaxMacroFileBytes});
    return files;
}

std::string Fnv1a64(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

constexpr char kSettingsBusy[] = "another program is saving the settings; try again";

// One file of a backup as it will be put back.
struct RestoredFile {
    bool present = false;
    std::string bytes;
};

std::optional<RestoredFile> ReadEntry(const Json& entry, const SuiteFile& file,
                                      std::string& error) {
    const auto present = entry.find("present");
    if (present == entry.end() || !present->is_boolean()) {
        error = file.name + " has no \"present\"";
        return std::nullopt;
    }
    if (!present->get<bool>())
        return RestoredFile{};
    const auto text = entry.find("bytes");
    const auto size = JsonInteger(entry, "size", 0, static_cast<long long>(file.limit));
    const auto sum = entry.find("fnv1a64");
    std::optional<std::string> bytes;
    if (text != entry.end() && text->is_string())
        bytes = DecodeBase64(text->get_ref<const std::string&>());
    if (!bytes || !size || bytes->size() != static_cast<size_t>(*size) || sum == entry.end() ||
        !IsJsonText(*sum, Fnv1a64(*bytes))) {
        error = file.name + " is damaged (its bytes, size or checksum do not agree)";
        return std::nullopt;
    }
    return RestoredFile{true, std::move(*bytes)};
}

// The files of a backup, in the order of SuiteFiles; none when any is
// missing, twice there, unknown or damaged.
std::optional<std::vector<RestoredFile>>
ReadBackup(std::string_view text, const std::vector<SuiteFile>& files, std::string& error) {
    const Json backup = ParseJson(text);
    const auto format = backup.is_object() ? backup.find("format") : backup.end();
    if (format == backup.end() || !IsJsonText(*format, kBackupFormatName)) {
        error = std::string("it is not a backup (its format is not \"") + kBackupFormatName + "\")";
        return std::nullopt;
    }
    const auto version = JsonInteger(backup, "version", 1, kBackupFormatVersion);
    const auto entries = backup.find("files");
    if (!version || entries == backup.end() || !entries->is_array()) {
        error = "its version or file list is missing, or it comes from a newer version";
        return std::nullopt;
    }
    std::vector<std::optional<RestoredFile>> found(files.size());
    for (const Json& entry : *entries) {
        const std::optional<std::string> name =
            entry.is_object() && entry.contains("name") ? BytesOfJson(entry["name"]) : std::nullopt;
        size_t k = 0;
        while (k < files.size() && (!name || files[k].name != *name))
            ++k;
        if (k == files.size() || found[k]) {
            error = "it holds an unknown or repeated file" + (name ? " " + *name : std::string());
            return std::nullopt;
        }
        found[k] = ReadEntry(entry, files[k], error);
        if (!found[k])
            return std::nullopt;
    }
    std::vector<RestoredFile> restored;
    for (size_t k = 0; k < files.size(); ++k) {
        if (!found[k]) {
            error = "it lacks " + files[k].name;
            return std::nullopt;
        }
        restored.push_back(std::move(*found[k]));
    }
    return restored;
}

// Puts `before` back into the files that were already replaced.
void PutBack(const std::vector<SuiteFile>& files, const std::vector<FileContent>& before,
             size_t replaced) {
    for (size_t k = 0; k < replaced; ++k) {
        if (before[k].status == FileStatus::Ok)
            WriteFileAtomically(files[k].path, before[k].bytes);
        else
            fs::RemoveFile(files[k].path);
    }
}

} // namespace

std::optional<std::string> MakeBackup(const std::string& programFolder, std::string& error) {
    Json backup = Json::object();
    backup["format"] = std::string(kBackupFormatName);
    backup["version"] = kBackupFormatVersion;
    backup["files"] = Json::array();
    // The files as one save left them, none of them halfway through another's.
    fs::SaveLock lock;
    if (!lock.Held()) {
        error = kSettingsBusy;
        return std::nullopt;
    }
    for (const SuiteFile& file : SuiteFiles(programFolder)) {
        const FileContent content = ReadWholeFile(file.path, file.limit);
        if (content.status == FileStatus::Unreadable) {
            error = UnreadableNote(file.path, content);
            return std::nullopt;
        }
        Json entry = Json::object();
        entry["name"] = file.name;
        entry["present"] = content.status == FileStatus::Ok;
        if (content.status == FileStatus::Ok) {
            entry["size"] = content.bytes.size();
            entry["fnv1a64"] = Fnv1a64(content.bytes);
            entry["bytes"] = EncodeBase64(content.bytes);
        }
        backup["files"].push_back(std::move(entry));
    }
    return JsonDocument(backup);
}

bool RestoreBackup(const std::string& programFolder, std::string_view backup, std::string& error) {
    const std::vector<SuiteFile> files = SuiteFiles(programFolder);
    std::optional<std::vector<RestoredFile>> restored = ReadBackup(backup, files, error);
    if (!restored) {
        error = "the backup is refused: " + error;
        return false;
    }
    fs::SaveLock lock;
    if (!lock.Held()) {
        error = kSettingsBusy;
        return false;
    }
    std::vector<FileContent> before;
    for (const SuiteFile& file : files) {
        before.push_back(ReadWholeFile(file.path, file.limit));
        if (before.back().status == FileStatus::Unreadable) {
            error = UnreadableNote(file.path, before.back()) +
                    "; restoring would write over it without a way back";
            return false;
        }
    }
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (size_t k = 0; k < files.size(); ++k) {
        if (!(*restored)[k].present) {
            staged.emplace_back();
            continue;
        }
        staged.push_back(std::make_unique<StagedFile>(files[k].path, (*restored)[k].bytes));
        if (!staged.back()->Staged()) {
            error = "could not write " + files[k].path;
            return false;
        }
    }
    for (size_t k = 0; k < files.size(); ++k) {
        bool done = true;
        if (staged[k]) {
            done = staged[k]->Commit();
        } else if (before[k].status == FileStatus::Ok) {
            // The backup was made without this file: it goes again.
            fs::RemoveFile(files[k].path);
            done = !FileExists(files[k].path);
        }
        if (!done) {
            PutBack(files, before, k);
            error = "could not replace " + files[k].path +
                    "; the files replaced before it are put "
                    "back";
            return false;
        }
    }
    return true;
}

std::string ResetBackupPath(const std::string& programFolder, std::time_t now) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char name[64];
    std::strftime(name, sizeof name, "settings-%Y%m%d-%H%M%S.mervik-backup", &local);
    return programFolder + "backups" + kPathSeparator + name;
}

} // namespace mervik
