#pragma once
// A command's arguments, read by the shape its usage line shows
// (CommandHelp.h), and the one way a usage error is told.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

class CommandArguments {
public:
    // The arguments of the command `name` when they fit its usage line;
    // otherwise none, after the usage error on `err`.
    static std::optional<CommandArguments> Read(std::string_view name, const Arguments& args,
                                                std::ostream& err);

    // Positional argument `n` in the usage line's order; empty for an
    // optional one that was not given.
    const std::string& At(size_t n) const;
    bool Has(std::string_view option) const;
    // The value given with `option`; null when it was not given.
    const std::string* Value(std::string_view option) const;

private:
    Arguments positionals_;
    std::vector<std::pair<std::string, std::string>> options_;
};

// The problem in one line, then the usage line of the command `name` and
// where to read more. Returns kExitUsage.
int UsageError(std::string_view name, std::string_view problem, std::ostream& err);

// A profile index as the commands take it: "0" to "4" exactly.
std::optional<int> ReadProfileIndex(const std::string& text);

// The problem of a profile index `text` given as `what` ("N", "--profile").
std::string ProfileIndexProblem(std::string_view what, const std::string& text);

} // namespace mervik::tools
