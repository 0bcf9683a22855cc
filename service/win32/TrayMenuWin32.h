#pragma once
// The tray menu's items as a Win32 pop-up menu: strings, separators, the
// profiles as radio items and the default item.
#include <windows.h>

#include <vector>

#include "service/core/TrayMenu.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik {

win::UniqueMenu CreateTrayMenu(const std::vector<TrayMenuItem>& items);

} // namespace mervik
