#pragma once
// What the page benchmarks share under Wine: their start, a page shown with
// its controls, a pump of the thread's waiting messages, and one line of
// figures per measurement.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchClockWin32.h"
#include "ui/win32/pages/CSkinnedPage.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::bench {

inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The start of a page benchmark: its one argument, the skin folder, and what
// a window of Option needs before it is made. False (usage printed) without it.
inline bool StartPageBench(int argc, char** argv, const char* name) {
    if (argc < 2) {
        fprintf(stderr, "usage: %s SKIN_FOLDER\n", name);
        return false;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    ui::SetSkinFolder(std::string(argv[1]) + "\\");
    return true;
}

// `page` made in a plain parent window, its controls made and `settings`
// shown; the parent, or null (said on stderr) when the page could not be made.
inline HWND ShowPage(ui::CSkinnedPage& page, const SharedSettingsBlock& settings) {
    HWND parent = CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, 940, 480,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!page.Create(parent)) {
        fprintf(stderr, "no page (skins in the folder given?)\n");
        return nullptr;
    }
    ShowWindow(page.Hwnd(), SW_SHOWNA);
    page.CreateControls();
    page.Refresh(settings);
    Pump();
    return parent;
}

inline void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    printf("%-52s median %.2f ms  max %.2f ms  (%zu runs)\n", what, ms[ms.size() / 2], ms.back(),
           ms.size());
}

} // namespace mervik::bench
