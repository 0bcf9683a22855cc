#include <windows.h>

#include "ui/win32/main/COptionApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    mervik::ui::COptionApp app;
    return app.Run();
}
