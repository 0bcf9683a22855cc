#pragma once
// Gives every popup menu window of this thread the skin's frame: a hook sees
// each menu window created and replaces its procedure until it is hidden or
// destroyed.
#include <windows.h>

namespace mervik::ui {

constexpr char kMenuOldProcProperty[] = "CoolMenu_oldProc";
constexpr COLORREF kMenuFrameOuter = 0xF0A434;
constexpr COLORREF kMenuFrameInner = 0x583A0E;

class CoolMenuHook {
public:
    // For the calling thread; false when the hook could not be set.
    static bool Install();
    // Restores every menu still hooked and removes the hook.
    static void Uninstall();
    static bool Installed();
    // Number of menu windows whose procedure is replaced right now.
    static int HookedCount();
};

} // namespace mervik::ui
