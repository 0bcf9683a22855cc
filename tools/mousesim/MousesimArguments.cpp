#include "tools/mousesim/MousesimArguments.h"

#include <charconv>
#include <cstddef>
#include <string_view>

namespace mervik::tools {

namespace {

enum class Takes { Nothing, Count, ReadMode };

struct ControlCommand {
    std::string_view verb;
    Takes takes;
};

// The commands the control pipe serves (hiddriver/sim/SimControl.h).
constexpr ControlCommand kCommands[] = {
    {"plug", Takes::Nothing},      {"unplug", Takes::Nothing}, {"dpi", Takes::Nothing},
    {"rate", Takes::Nothing},      {"state", Takes::Nothing},  {"log", Takes::Nothing},
    {"clear-log", Takes::Nothing}, {"fail", Takes::Count},     {"vanish", Takes::Count},
    {"read", Takes::ReadMode},
};

template <class Number> bool ReadNumber(const std::string& text, Number& number) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    return ec == std::errc() && end == text.data() + text.size();
}

bool IsCount(const std::string& text) {
    int count = 0;
    return ReadNumber(text, count) && count >= 0;
}

bool IsReadMode(const std::string& text) {
    return text == "normal" || text == "garbage" || text == "silent";
}

// What is wrong with the command's arguments; empty when nothing is.
std::string Problem(const ControlCommand& command, const std::vector<std::string>& rest) {
    const std::string verb(command.verb);
    switch (command.takes) {
    case Takes::Nothing:
        return rest.empty() ? "" : verb + " takes no argument";
    case Takes::Count:
        return rest.size() == 1 && IsCount(rest[0]) ? "" : verb + " needs a count";
    case Takes::ReadMode:
        return rest.size() == 1 && IsReadMode(rest[0]) ? ""
                                                       : verb + " takes normal, garbage or silent";
    }
    return {};
}

MousesimRequest UsageProblem(std::string problem) {
    MousesimRequest request;
    request.problem = std::move(problem);
    return request;
}

} // namespace

MousesimRequest ReadMousesimArguments(const std::vector<std::string>& args) {
    size_t at = 0;
    MousesimRequest request;
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        request.kind = MousesimRequest::Kind::Help;
        return request;
    }
    if (!args.empty() && args[0] == "--pid") {
        if (args.size() < 2 || !ReadNumber(args[1], request.pid) || request.pid == 0)
            return UsageProblem("--pid needs a process id");
        at = 2;
    }
    if (at == args.size())
        return UsageProblem("no command given");
    const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                                        args.end());
    for (const ControlCommand& command : kCommands) {
        if (command.verb != args[at])
            continue;
        std::string problem = Problem(command, rest);
        if (!problem.empty())
            return UsageProblem(std::move(problem));
        request.kind = MousesimRequest::Kind::Send;
        request.command = args[at];
        for (const std::string& arg : rest)
            request.command += " " + arg;
        return request;
    }
    return UsageProblem("unknown command " + args[at]);
}

} // namespace mervik::tools
