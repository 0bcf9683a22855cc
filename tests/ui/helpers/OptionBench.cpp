// Figures for bench/README.md, measured under Wine:
//   OptionBench start OPTION_EXE RUNS   process start to the main window's first paint
//   OptionBench region MASK_FILE RUNS   window region from a full-window mask
// The first paint is Option's own signal: it sets a named event we create
// once its main window and the visible controls have been painted. Work it
// does after that (page 2, the macro list) shows in a second figure, up to
// WaitForInputIdle, when its message loop first has nothing left to do.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "contract/ProgramMessages.h"
#include "ui/win32/main/FirstPaintSignal.h"
#include "ui/win32/skin/MaskRegion.h"
#include "ui/win32/skin/PictureLoader.h"

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    printf("%s: median %.2f ms, best %.2f ms, worst %.2f ms over %zu runs\n", what,
           ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
}

std::vector<double> g_created;
std::vector<double> g_ready;
SIZE g_windowSize{};

// The window the user sees owns the one peers find by its caption.
SIZE MainWindowSize(HWND peer) {
    RECT rect{};
    GetWindowRect(GetWindow(peer, GW_OWNER), &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

double StartOnce(const char* exe) {
    HANDLE painted = CreateEventA(nullptr, TRUE, FALSE, mervik::ui::kFirstPaintEventName);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    double start = Now();
    if (!painted ||
        !CreateProcessA(exe, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    // When the window first exists, to tell process start from window building.
    while (!FindWindowA(nullptr, mervik::kOptionCaption) && Now() - start < 20000)
        Sleep(1);
    g_created.push_back(Now() - start);
    double shown = WaitForSingleObject(painted, 20000) == WAIT_OBJECT_0 ? Now() - start : -1;
    WaitForInputIdle(pi.hProcess, 20000);
    g_ready.push_back(Now() - start);
    if (HWND window = FindWindowA(nullptr, mervik::kOptionCaption)) {
        g_windowSize = MainWindowSize(window);
        PostMessageA(window, WM_CLOSE, 0, 0);
    } else
        shown = -1;
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(painted);
    return shown;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return 2;
    int runs = std::max(1, atoi(argv[3]));
    std::vector<double> ms;
    if (!strcmp(argv[1], "start")) {
        StartOnce(argv[2]); // warm the file cache and Wine's own start
        for (int i = 0; i < runs; ++i) {
            double t = StartOnce(argv[2]);
            if (t < 0)
                return 1;
            ms.push_back(t);
        }
        // Which of the skin's variants it took, by the window's size.
        printf("Option's window: %ldx%ld\n", g_windowSize.cx, g_windowSize.cy);
        Report("Option start to first paint", ms);
        g_created.erase(g_created.begin());
        Report("Option start to its window created", g_created);
        g_ready.erase(g_ready.begin());
        Report("Option start to start-up done (input idle)", g_ready);
    } else if (!strcmp(argv[1], "region")) {
        mervik::ui::Bitmap mask = mervik::ui::LoadPicture(argv[2]);
        SIZE size = mervik::ui::BitmapSize(mask.get());
        for (int i = 0; i < runs; ++i) {
            double start = Now();
            mervik::ui::Region region = mervik::ui::RegionFromMask(mask.get());
            ms.push_back(Now() - start);
        }
        char what[96];
        snprintf(what, sizeof what, "region from a %ldx%ld mask", size.cx, size.cy);
        Report(what, ms);
    }
    return 0;
}
