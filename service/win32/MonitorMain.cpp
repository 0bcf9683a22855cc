#include <windows.h>

#include "service/win32/CMonitorApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    mervik::CMonitorApp app;
    const int result = app.InitInstance(commandLine) ? app.Run() : 0;
    app.ExitInstance();
    return result;
}
