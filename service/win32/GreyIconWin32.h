#pragma once
// The tray icon as it looks while the mouse is away: the same picture in
// light grey, so the icon and its menu stay and still say the mouse is gone.
#include <windows.h>

#include "win32/UniqueHandleWin32.h"

namespace mervik {

// Null when the picture cannot be read.
win::UniqueIcon GreyedCopy(HICON icon);

} // namespace mervik
