#pragma once
// The subcommands of mervikctl. Each takes the arguments after its name and
// returns the process exit code: 0 done, 1 failed, 2 wrong usage.
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

// The whole command line after the program's name: the command, help or
// the version.
int RunMervikctl(const Arguments& args, Streams io);

int InitCommand(const Arguments& args, Streams io);
int DumpCommand(const Arguments& args, Streams io);
int EncodeCommand(const Arguments& args, Streams io);
int ProfilesCommand(const Arguments& args, Streams io);
int UseCommand(const Arguments& args, Streams io);
int RenameCommand(const Arguments& args, Streams io);
int LinkCommand(const Arguments& args, Streams io);
int UnlinkCommand(const Arguments& args, Streams io);
int DevicesCommand(const Arguments& args, Streams io);
int ExportCommand(const Arguments& args, Streams io);
int ImportCommand(const Arguments& args, Streams io);
int BackupCommand(const Arguments& args, Streams io);
int RestoreCommand(const Arguments& args, Streams io);

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// What loading found wrong in the files, one "mervikctl: " line a note.
void PrintLoadNotes(const LoadNotes& notes, std::ostream& err);

// The exit code of a command that printed what it loaded: a failure, said
// so, when some file could not be read.
int ReportLoad(bool loaded, const std::string& folderArg, std::ostream& err);

} // namespace mervik::tools
