#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "settings/win32/WidePath.h"
#include "tools/mervikctl/CommandLine.h"
#include "win32/AnsiText.h"

namespace mervik::tools {

// The C runtime's argv is in the ANSI code page, which has no form for most
// of the world's letters and turns an accented folder into UTF-8 the core
// cannot read; the wide command line holds every character as typed.
Arguments CommandLineArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    Arguments args;
    for (int i = 1; wide && i < count; ++i)
        args.push_back(win::Utf8(wide[i]));
    LocalFree(wide);
    return args;
}

std::optional<std::string> RecordText(const std::string& argument) {
    return win::ExactAnsi(win::Widen(argument));
}

} // namespace mervik::tools
