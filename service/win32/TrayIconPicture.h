#pragma once
// The picture of Monitor's tray icon at the size the tray shows icons at its
// DPI: the small-icon size (16 pixels at 100 %, 20 at 125 %, 24 at 150 %, 32
// at 200 %), taken from the program's own icon, which holds a picture drawn
// at each of those sizes.
#include <windows.h>

#include <string>

#include "win32/UniqueHandleWin32.h"

namespace mervik {

// The DPI of the tray: the task bar's window, else the system's.
int TrayDpi();

// The side of a small icon at `dpi`, in pixels.
int SmallIconSide(int dpi);

// The first icon of the program at `exePath` at the small-icon size of
// `dpi`; the shell's small icon for the file when the program has none, or
// null.
win::UniqueIcon TrayIconPicture(const std::string& exePath, int dpi);

} // namespace mervik
