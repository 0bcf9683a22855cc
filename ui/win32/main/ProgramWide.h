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

// The name the user reads for Option, in the language it speaks: its
// window's title (taskbar, Alt+Tab) and its message boxes' caption. Never the
// caption peers look for, which reads as noise outside Chinese code pages.
std::wstring ReadableTitle();

} // namespace mervik::ui
