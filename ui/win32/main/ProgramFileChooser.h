#pragma once
// The system's file chooser for the program a profile is tied to. The path
// is handed back as the bytes the profile stores: the system's ANSI code
// page, which is how Monitor sees the foreground program's name.
#include <windows.h>

#include <string>

namespace mervik::ui {

struct ChosenProgram {
    enum class Outcome { Chosen, Cancelled, NotInCodePage };
    Outcome outcome = Outcome::Cancelled;
    std::string path; // ANSI, when chosen
};

// Opens the chooser over `owner` for .exe files, starting at `current` (ANSI;
// may be empty).
ChosenProgram ChooseProgramFile(HWND owner, const std::string& current);

} // namespace mervik::ui
