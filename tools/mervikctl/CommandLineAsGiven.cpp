#include "tools/mervikctl/CommandLine.h"

namespace mervik::tools {

Arguments CommandLineArguments(int argc, char** argv) {
    return Arguments(argv + 1, argv + argc);
}

std::optional<std::string> RecordText(const std::string& argument) {
    return argument;
}

} // namespace mervik::tools
