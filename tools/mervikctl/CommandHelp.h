#pragma once
// What mervikctl says about itself: each command's usage line and help, the
// whole help, and the conventions all commands follow. A command's usage
// line is also the shape its arguments are read by (CommandArguments.h), so
// what the help shows and what the command takes cannot differ.
#include <ostream>
#include <string>
#include <string_view>

namespace mervik::tools {

struct CommandHelp {
    std::string_view name;
    // After the name: positional arguments in capitals, "[WORD]" an optional
    // one at the end, "[--flag]" and "[--option VALUE]" options.
    std::string_view arguments;
    std::string_view text; // lines without indent
};

// The entry of a command, "help" included; null for an unknown name.
const CommandHelp* FindCommandHelp(std::string_view name);

// "mervikctl NAME ARGUMENTS".
std::string UsageLine(const CommandHelp& command);

// `mervikctl help`: every command, then the conventions and exit codes.
void PrintHelp(std::ostream& out);

// `mervikctl help COMMAND`: its usage line and its text.
void PrintCommandHelp(const CommandHelp& command, std::ostream& out);

// The usage of mervikctl as a whole, for a usage error that names no command.
std::string_view OverallUsage();

} // namespace mervik::tools
