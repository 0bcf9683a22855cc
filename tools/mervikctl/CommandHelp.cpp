#include "tools/mervikctl/CommandHelp.h"

#include <string>

namespace mervik::tools {

namespace {

constexpr std::string_view kOverallUsage = R"(usage: mervikctl COMMAND [FOLDER] [ARGUMENTS]
       mervikctl help [COMMAND]
       mervikctl --version)";

constexpr std::string_view kFolder =
    R"(FOLDER is a program folder: it holds config.ini, config/Default0.gmp ..
config/Default4.gmp and config/sequence.dat, as the suite keeps them.)";

constexpr CommandHelp kCommands[] = {
    {"init", "FOLDER [--force]",
     R"(Write the default config.ini, the five default profile files and an
empty macro file, as the programs would, making FOLDER when it does not
exist. Refuses a folder that already holds settings unless --force is
given.)"},
    {"dump", "FOLDER",
     R"(Load the folder as the programs do and print JSON: CurrentProfile,
MouseType, LedType, FWVersion, MouseColor, Device, Language (the windows'
language: "system", "en" or "zh-CN"); "Profiles", five
objects with every field under its profile-file key (the 64 slots as
"MacroKeyInfo", objects with the fields Slot, Function, FireCount,
FireInterval, RunMode, MacroName, MacroRepeat, EventCount, Events,
ProgramPath); and "Macros", the macro list (Name, RepeatCount,
EventCount, Events). Events are [code, action, delay] triples, as many
as EventCount says. Text bytes above 0x7F appear as \u00XX.)"},
    {"encode", "FOLDER [--profile N]",
     R"(Load the folder as the programs do and print the full upload that
Monitor would send to the mouse for the current profile (or profile N,
0 to 4; a folder without a current profile has profile 0 made
current, as the programs do), one transfer a line:
  feature XX XX XX XX XX XX XX XX   a feature report, checksum last
  write LEN XX ...                  an output block of LEN bytes
  sleep MS                          the least pause before the next line)"},
    {"profiles", "FOLDER [--json]",
     R"(List the five profiles: index, name, the program each is linked to
(its file name and stored path) and, marked "*", the current one.
With --json: {"CurrentProfile": N, "Profiles": [{"Index",
"ProFileName", "GameFile", "Program", "Current"}, ...]}.)"},
    {"use", "FOLDER N",
     R"(Make profile N (0 to 4) current in config.ini. On Windows, when
Monitor runs from FOLDER, it is also handed the change and switches
the mouse to profile N at once.)"},
    {"rename", "FOLDER N NAME",
     R"(Name profile N. Blanks around NAME are dropped; an empty name, one
of more than 249 bytes or one with a tab, a line break or another
control character is refused. On Windows, when Monitor runs from
FOLDER, it takes the new name at once.)"},
    {"link", "FOLDER N PATH",
     R"(Tie profile N to the program at PATH: Monitor makes the profile
current while that program (by its file name) is in the foreground.
A path of more than 501 bytes is refused, never cut. On Windows, when
Monitor runs from FOLDER, the link counts at once.)"},
    {"unlink", "FOLDER N",
     R"(Tie profile N to no program. On Windows, when Monitor runs from
FOLDER, it takes the change at once.)"},
    {"export", "FOLDER N FILE",
     R"(Write profile N (0 to 4) to FILE as a profile file for sharing:
JSON with "format": "mervik-profile" and "version": 1, "profile" (every
field, as dump shows a profile) and "macros", the macros its buttons
play. A profile file that cannot be read is not exported.)"},
    {"import", "FOLDER N FILE",
     R"(Replace profile N with the profile in FILE, a file export wrote.
Everything in it is checked as a profile file is: values outside their
range take their defaults, a refused name the default name, a refused
link none, a damaged slot its default function, macros are repaired or
refused; each such change is told. Its macros join the macro file; one
whose name the file already holds with other steps gets a new name,
NAME (2), and the imported buttons that play it follow. A file that
is not a profile file changes nothing. On Windows, when Monitor runs
from FOLDER, it takes the profile at once (and uploads it when it is
the current one), and an open Option shows it.)"},
    {"backup", "FOLDER FILE",
     R"(Write everything the suite keeps in FOLDER (config.ini, the five
profile files, the macro file) into FILE, byte for byte. A file that
exists but cannot be read makes no backup.)"},
    {"restore", "FOLDER FILE",
     R"(Replace config.ini, the five profile files and the macro file of
FOLDER with those of FILE, a backup: all of them or, when FILE is no
backup or is damaged or a file cannot be written, none. A file the
backup holds as missing is removed. Undoes Option's "Restore factory
defaults", which first makes a backup in the backups folder beside
Option. On Windows, when Monitor runs from FOLDER, it takes the
restored profiles at once, and an open Option shows them.)"},
    {"devices", "[--json]",
     R"(Windows only; takes no FOLDER. Every HID collection of the mouse
(vendor 0x1017, product 0x8003): its path, usage page and usage, its
input, output and feature report lengths and report ids, whether it
opens for reading and writing, what the HID library would use it for
(features, output, events) and why not for the rest. With --json:
{"Collections": [{"Path", "UsagePage", "Usage", "InputLength",
"OutputLength", "FeatureLength", "InputReportId", "OutputReportId",
"FeatureReportId", "OpensReadWrite", "NotUsedFor": {USE: REASON}}],
"Features": PATH, "Output": PATH, "Events": PATH} ("" for none).
Exit status 1 where there is no HID stack (not Windows).)"},
    {"help", "[COMMAND]",
     R"(Print the whole help, or that of COMMAND alone ("mervikctl COMMAND
--help" does the same).)"},
};

constexpr std::string_view kVersion = R"(--version
      The suite's version, as "mervikctl VERSION".)";

constexpr std::string_view kConventions =
    R"(What loading found wrong in the files goes to the error output, one
"mervikctl: " line each: a file that could not be read or is far larger
than the suite writes (taken as damaged; the programs leave it alone), a
profile file that holds no profile (that profile takes its defaults),
values outside their range reset to their defaults, refused names given
their defaults, macros cut or skipped, macro names that differ only in
case made unique, more macros than a list holds.

use, rename, link and unlink change one file each, import one profile file
and the macro file, restore all of them; none writes over a file that
exists but cannot be read; a refused name or path changes
nothing. On Windows, a name or path with a character that the system's
code page cannot hold is refused too: the files hold that code page.

conventions:
  Results go to the standard output; every message goes to the error
  output, on a line that starts with "mervikctl".
  Options may come before or after the other arguments; "--" ends the
  options, for a FOLDER that starts with "-". A command without options
  takes every argument as it is, so a NAME may start with "-".
  Wrong usage is told in one line, followed by the command's usage line;
  "mervikctl help COMMAND" says more. Nothing is read or written then.
  Every command with a FOLDER but init needs one that exists and holds
  settings (config.ini, a profile file or the macro file).

exit status:
  0  done
  1  failed: FOLDER does not exist or holds no settings; a file could not
     be read (what could be read is printed all the same) or written; a
     name or path was refused; a running Monitor could not be told
  2  wrong usage)";

void PrintIndented(std::string_view text, std::string_view indent, std::ostream& out) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        out << indent << text.substr(0, end) << "\n";
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

} // namespace

const CommandHelp* FindCommandHelp(std::string_view name) {
    for (const CommandHelp& command : kCommands)
        if (command.name == name)
            return &command;
    return nullptr;
}

std::string UsageLine(const CommandHelp& command) {
    return "mervikctl " + std::string(command.name) + " " + std::string(command.arguments);
}

std::string_view OverallUsage() {
    return kOverallUsage;
}

void PrintHelp(std::ostream& out) {
    out << kOverallUsage << "\n\n" << kFolder << "\n\ncommands:\n";
    for (const CommandHelp& command : kCommands) {
        out << "  " << command.name << " " << command.arguments << "\n";
        PrintIndented(command.text, "      ", out);
        out << "\n";
    }
    out << "  " << kVersion << "\n\n" << kConventions << "\n";
}

void PrintCommandHelp(const CommandHelp& command, std::ostream& out) {
    out << "usage: " << UsageLine(command) << "\n\n";
    PrintIndented(command.text, "    ", out);
    if (command.arguments.find("FOLDER") != std::string_view::npos)
        out << "\n" << kFolder << "\n";
    out << "\nExit status: 0 done, 1 failed, 2 wrong usage (\"mervikctl help\" "
           "has the conventions).\n";
}

} // namespace mervik::tools
