#pragma once
// What mervikctl is given on its command line, in the forms the core takes:
// arguments as UTF-8 (the suite's paths), and a name or program path as the
// bytes a profile record stores. On Windows the command line is wide text and
// the records hold the system's ANSI code page; elsewhere both are the
// argument's own bytes.
#include <optional>
#include <string>

#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

// The arguments after the program's name.
Arguments CommandLineArguments(int argc, char** argv);

// None when the text has a character without an exact form in the system's
// code page: a stand-in ("?" or a look-alike) would store another name, or a
// path naming another file.
std::optional<std::string> RecordText(const std::string& argument);

} // namespace mervik::tools
