#pragma once
// FOLDER and N, the first two arguments of the commands that work on one
// profile of a program folder.
#include <optional>
#include <string>
#include <string_view>

#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

struct ProfileTarget {
    CommandArguments given;
    std::string folder; // with its trailing separator
    int index = 0;
};

// The arguments of `command` with its FOLDER and N checked; nothing, with
// `exitCode` set and the reason told, when the command cannot go on.
std::optional<ProfileTarget> ReadProfileTarget(std::string_view command, const Arguments& args,
                                               Streams io, int& exitCode);

} // namespace mervik::tools
