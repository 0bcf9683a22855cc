// mervikctl: inspect and script the suite's files from a command line.
#include <iostream>

#include "tools/mervikctl/CommandLine.h"
#include "tools/mervikctl/Commands.h"

int main(int argc, char** argv) {
    using namespace mervik::tools;
    return RunMervikctl(CommandLineArguments(argc, argv), {std::cout, std::cerr});
}
