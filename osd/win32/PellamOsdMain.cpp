// The on-screen display Monitor starts from its folder. One runs at a time:
// Monitor finds it by its window's caption, so a second has nothing to do.
#include <windows.h>

#include "contract/ProgramMessages.h"
#include "osd/win32/CNoticeWindow.h"
#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace mervik;
    if (FindWindowA(nullptr, kOsdCaption))
        return 0;
    const std::string folder = ProgramFolder();
    // Monitor shows nothing on the display without a record, so a folder
    // without one gets the defaults. Should that write fail, the display
    // still runs with them.
    OsdSettings settings = DefaultOsdSettings();
    if (!EnsureOsdSettings(ConfigFilePath(folder), settings))
        OutputDebugStringA("PellamOSD: could not write the default settings record\n");
    osd::CNoticeWindow window(folder, settings.NoticeX(), settings.NoticeY());
    if (!window.Create())
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
