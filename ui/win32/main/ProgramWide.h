#pragma once
// The few values every part of Option reaches: the program folder, the main
// window and the texts.
#include <windows.h>

#include <string>

#include "win32/LanguageLibrary.h"

namespace mervik::ui {

struct ProgramWide {
    std::string folder; // with its trailing backslash
    HWND mainWindow = nullptr;
    win::LanguageLibrary language;
};

ProgramWide& Program();

} // namespace mervik::ui
