#include <string_view>

#include "tools/mervikctl/CommandArguments.h"
#include "tools/mervikctl/CommandHelp.h"
#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

namespace {

struct Command {
    std::string_view name;
    int (*run)(const Arguments&, Streams);
};

constexpr Command kCommands[] = {
    {"init", InitCommand},         {"dump", DumpCommand},     {"encode", EncodeCommand},
    {"profiles", ProfilesCommand}, {"use", UseCommand},       {"rename", RenameCommand},
    {"link", LinkCommand},         {"unlink", UnlinkCommand}, {"export", ExportCommand},
    {"import", ImportCommand},     {"backup", BackupCommand}, {"restore", RestoreCommand},
    {"devices", DevicesCommand},
};

bool AsksForHelp(const Arguments& args) {
    return args.size() == 1 && (args[0] == "--help" || args[0] == "-h");
}

// A usage error that names no command.
int OverallUsageError(std::string_view problem, std::ostream& err) {
    err << "mervikctl: " << problem << "\n" << OverallUsage() << "\n(see \"mervikctl help\")\n";
    return kExitUsage;
}

int HelpCommand(const Arguments& args, Streams io) {
    const auto given = CommandArguments::Read("help", args, io.err);
    if (!given)
        return kExitUsage;
    const std::string& name = given->At(0);
    if (name.empty()) {
        PrintHelp(io.out);
        return kExitOk;
    }
    const CommandHelp* command = FindCommandHelp(name);
    if (!command)
        return UsageError("help", name + " is no command", io.err);
    PrintCommandHelp(*command, io.out);
    return kExitOk;
}

} // namespace

int RunMervikctl(const Arguments& args, Streams io) {
    if (args.empty())
        return OverallUsageError("no command given", io.err);
    const std::string& name = args[0];
    const Arguments rest(args.begin() + 1, args.end());
    if (name == "help")
        return HelpCommand(rest, io);
    if (AsksForHelp(args)) {
        PrintHelp(io.out);
        return kExitOk;
    }
    if (name == "--version") {
        if (!rest.empty())
            return OverallUsageError("--version takes no argument", io.err);
        io.out << "mervikctl " << MERVIK_VERSION << "\n";
        return kExitOk;
    }
    for (const Command& command : kCommands) {
        if (command.name != name)
            continue;
        if (AsksForHelp(rest)) {
            PrintCommandHelp(*FindCommandHelp(name), io.out);
            return kExitOk;
        }
        return command.run(rest, io);
    }
    return OverallUsageError(name + " is no command", io.err);
}

} // namespace mervik::tools
