// mervikctl: inspect and script the suite's files from a command line.
#include <iostream>
#include <string_view>

#include "tools/mervikctl/CommandLine.h"
#include "tools/mervikctl/Commands.h"

namespace {

using namespace mervik::tools;

constexpr const char* kHelp = R"(usage: mervikctl COMMAND FOLDER [OPTIONS]

FOLDER is a program folder: it holds config.ini, config/Default0.gmp ..
config/Default4.gmp and config/sequence.dat, as the suite keeps them.

commands:
  init FOLDER [--force]
      Write the default config.ini, the five default profile files and an
      empty macro file, as the programs would. Refuses a folder that already
      holds settings unless --force is given.

  dump FOLDER
      Load the folder as the programs do and print JSON: CurrentProfile,
      MouseType, LedType, FWVersion, MouseColor, Device; "Profiles", five
      objects with every field under its profile-file key (the 64 slots as
      "MacroKeyInfo", objects with the fields Slot, Function, FireCount,
      FireInterval, RunMode, MacroName, MacroRepeat, EventCount, Events,
      ProgramPath); and "Macros", the macro list (Name, RepeatCount,
      EventCount, Events). Events are [code, action, delay] triples, as many
      as EventCount says. Text bytes above 0x7F appear as \u00XX.

  encode FOLDER [--profile N]
      Load the folder as the programs do and print the full upload that
      Monitor would send to the mouse for the current profile (or profile N,
      0 to 4; a folder without a current profile has profile 0 made
      current, as the programs do), one transfer a line:
        feature XX XX XX XX XX XX XX XX   a feature report, checksum last
        write LEN XX ...                  an output block of LEN bytes
        sleep MS                          the least pause before the next line

  profiles FOLDER [--json]
      List the five profiles: index, name, the program each is linked to
      (its file name and stored path) and, marked "*", the current one.
      With --json: {"CurrentProfile": N, "Profiles": [{"Index",
      "ProFileName", "GameFile", "Program", "Current"}, ...]}.

  use FOLDER N
      Make profile N (0 to 4) current in config.ini. On Windows, when
      Monitor runs from FOLDER, it is also handed the change and switches
      the mouse to profile N at once.

  rename FOLDER N NAME
      Name profile N. Blanks around NAME are dropped; an empty name, one
      of more than 249 bytes or one with a line break is refused.

  link FOLDER N PATH
      Tie profile N to the program at PATH: Monitor makes the profile
      current while that program (by its file name) is in the foreground.
      A path of more than 501 bytes is refused, never cut.

  unlink FOLDER N
      Tie profile N to no program.

      On Windows, rename, link and unlink also give a Monitor running from
      FOLDER the profile's new name and program at once.

  devices [--json]
      Windows only; takes no FOLDER. Every HID collection of the mouse
      (vendor 0x1017, product 0x8003): its path, usage page and usage, its
      input, output and feature report lengths and report ids, whether it
      opens for reading and writing, what the HID library would use it for
      (features, output, events) and why not for the rest. With --json:
      {"Collections": [{"Path", "UsagePage", "Usage", "InputLength",
      "OutputLength", "FeatureLength", "InputReportId", "OutputReportId",
      "FeatureReportId", "OpensReadWrite", "NotUsedFor": {USE: REASON}}],
      "Features": PATH, "Output": PATH, "Events": PATH} ("" for none).
      Exit status 1 where there is no HID stack (not Windows).

  help
      This text.

  --version
      The suite's version, as "mervikctl VERSION".

dump and encode report what loading found wrong in the files on the error
output, one "mervikctl: " line each: a file that could not be read or is far
larger than the suite writes (taken as damaged; the programs leave it alone),
values outside their range reset to their defaults, macros cut or skipped.

use, rename, link and unlink change one file each and never write over a
file that exists but cannot be read; a refused name or path changes nothing.

exit status: 0 done, 1 a file could not be read or written (or a name or
path was refused, or a running Monitor could not be told), 2 wrong usage.
)";

struct Command {
    std::string_view name;
    int (*run)(const Arguments&, Streams);
};

constexpr Command kCommands[] = {
    {"init", InitCommand},         {"dump", DumpCommand},     {"encode", EncodeCommand},
    {"profiles", ProfilesCommand}, {"use", UseCommand},       {"rename", RenameCommand},
    {"link", LinkCommand},         {"unlink", UnlinkCommand}, {"devices", DevicesCommand},
};

} // namespace

int main(int argc, char** argv) {
    Streams io{std::cout, std::cerr};
    const Arguments all = CommandLineArguments(argc, argv);
    if (all.empty()) {
        std::cerr << kHelp;
        return kExitUsage;
    }
    const std::string& name = all[0];
    if (name == "help" || name == "--help" || name == "-h") {
        std::cout << kHelp;
        return kExitOk;
    }
    if (name == "--version") {
        std::cout << "mervikctl " << MERVIK_VERSION << "\n";
        return kExitOk;
    }
    const Arguments args(all.begin() + 1, all.end());
    for (const Command& command : kCommands) {
        if (command.name == name) {
            int status = command.run(args, io);
            if (status == kExitUsage)
                std::cerr << kHelp;
            return status;
        }
    }
    std::cerr << "mervikctl: unknown command " << name << "\n" << kHelp;
    return kExitUsage;
}
