#pragma once
// A backup is one file holding everything the suite keeps in a program
// folder: config.ini, the five profile files and the macro file, each byte
// for byte (or that it was missing). Restoring it replaces all of them or
// none: a damaged backup changes nothing, and every file is written beside
// its old one first and only then renamed over it. JSON:
//   { "format": "mervik-backup", "version": 1,
//     "files": [ { "name": "config.ini", "present": true, "size": N,
//                  "fnv1a64": "16 hex digits", "bytes": "Base64" }, ... ] }
// with the names config.ini, config/Default0.gmp .. config/Default4.gmp and
// config/sequence.dat, each once.
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace mervik {

inline constexpr char kBackupFormatName[] = "mervik-backup";
inline constexpr int kBackupFormatVersion = 1;
// The suite's own limits (FileLimits.h) for the seven files, in Base64.
constexpr size_t kMaxBackupFileBytes = size_t{24} << 20;

// Both hold the save lock (FileSystem.h) throughout and fail, changing
// nothing, when another program keeps it.

// The backup of `programFolder`'s files; none, with `error` set, when a file
// exists but cannot be read (a backup without it would restore a loss).
std::optional<std::string> MakeBackup(const std::string& programFolder, std::string& error);

// Replaces the files of `programFolder` with those of `backup`. False, with
// `error` set and nothing changed, for a backup that is not one of ours or
// is damaged, for a file of the folder that cannot be read (it would be
// written over without a way back), or when a file cannot be written; a
// rename that fails halfway puts the files already replaced back.
bool RestoreBackup(const std::string& programFolder, std::string_view backup, std::string& error);

// Where Option's reset keeps the backup it makes first: the folder's
// "backups" folder, named by the local time `now`.
std::string ResetBackupPath(const std::string& programFolder, std::time_t now);

} // namespace mervik
