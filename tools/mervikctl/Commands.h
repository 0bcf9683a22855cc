#pragma once
// The subcommands of mervikctl. Each takes the arguments after its name and
// returns the process exit code: 0 done, 1 failed, 2 wrong usage.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "settings/LoadNotes.h"

namespace mervik::tools {

using Arguments = std::vector<std::string>;

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

int InitCommand(const Arguments& args, Streams io);
int DumpCommand(const Arguments& args, Streams io);
int EncodeCommand(const Arguments& args, Streams io);
int ProfilesCommand(const Arguments& args, Streams io);
int UseCommand(const Arguments& args, Streams io);
int RenameCommand(const Arguments& args, Streams io);
int LinkCommand(const Arguments& args, Streams io);
int UnlinkCommand(const Arguments& args, Streams io);
int DevicesCommand(const Arguments& args, Streams io);

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// A program folder argument as the core expects it: with its trailing separator.
std::string FolderArgument(const std::string& folder);

// A path of the suite (UTF-8) for the standard library, which would read a
// narrow string in the ANSI code page on Windows.
std::filesystem::path FileSystemPath(const std::string& utf8);

// A command's arguments when they are a folder and, optionally, one flag:
// false for anything else (no folder, a second folder).
bool FolderAndFlag(const Arguments& args, const std::string& flag, std::string& folder,
                   bool& flagGiven);

// What loading found wrong in the files, one "mervikctl: " line a note.
void PrintLoadNotes(const LoadNotes& notes, std::ostream& err);

} // namespace mervik::tools
