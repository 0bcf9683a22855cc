// Looks at the on-screen display from inside the Wine desktop, for the
// display's end-to-end test. Run as "OsdProbe serve", it reads one command a
// line and ends each answer with a line holding only ".":
//   front         opens a program window of its own and brings it to the
//                 front; front=1 when it is the foreground window
//   state         the display's window: found=, shown=, rect=, exstyle=,
//                 work= (the screen's work area) and foreground= (front, osd,
//                 other or none)
//   end-monitor   Monitor's tray exit command; posted=1 when Monitor was found
//   wait-shown MS, wait-hidden MS
//                 waits up to MS for the display to show or hide, then
//                 answers as state, with waited= the milliseconds it took
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "contract/ProgramMessages.h"
#include "service/core/MonitorConstants.h"

namespace {

using namespace mervik;

HWND g_front = nullptr;
HANDLE g_frontReady = nullptr;

LRESULT CALLBACK FrontProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The program in front runs its own window thread, so it answers the system
// while the probe waits for its next command.
void RunFrontWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = FrontProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "OsdProbeFront";
    RegisterClassA(&wc);
    g_front = CreateWindowExA(0, wc.lpszClassName, "Program in front", WS_OVERLAPPEDWINDOW, 60, 60,
                              420, 260, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(g_front, SW_SHOW);
    SetForegroundWindow(g_front);
    SetEvent(g_frontReady);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
}

void PrintRect(const char* key, const RECT& r) {
    std::printf("%s=%ld,%ld,%ld,%ld\n", key, r.left, r.top, r.right, r.bottom);
}

HWND Display() {
    return FindWindowA(nullptr, kOsdCaption);
}

void PrintState() {
    HWND osd = Display();
    std::printf("found=%d\n", osd ? 1 : 0);
    if (osd) {
        std::printf("shown=%d\n", IsWindowVisible(osd) ? 1 : 0);
        RECT rect{};
        GetWindowRect(osd, &rect);
        PrintRect("rect", rect);
        std::printf("exstyle=0x%lx\n",
                    static_cast<unsigned long>(GetWindowLongA(osd, GWL_EXSTYLE)));
    }
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    PrintRect("work", work);
    HWND foreground = GetForegroundWindow();
    const char* who = !foreground             ? "none"
                      : foreground == g_front ? "front"
                      : foreground == osd     ? "osd"
                                              : "other";
    std::printf("foreground=%s\n", who);
}

void WaitForDisplay(bool shown, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        HWND osd = Display();
        if (osd && (IsWindowVisible(osd) != FALSE) == shown)
            break;
        Sleep(5);
    }
    std::printf("waited=%lu\n", static_cast<unsigned long>(GetTickCount() - start));
    PrintState();
}

void Answer(const std::string& line) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "front") {
        if (!g_front) {
            g_frontReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
            std::thread(RunFrontWindow).detach();
            WaitForSingleObject(g_frontReady, 10000);
        }
        SetForegroundWindow(g_front);
        std::printf("front=%d\n", GetForegroundWindow() == g_front ? 1 : 0);
    } else if (command == "end-monitor") {
        HWND monitor = FindWindowA(nullptr, kMonitorCaption);
        std::printf("posted=%d\n",
                    monitor && PostMessageA(monitor, WM_COMMAND, monitor::kCmdExit, 0) ? 1 : 0);
    } else if (command == "state") {
        PrintState();
    } else if (command == "wait-shown" || command == "wait-hidden") {
        DWORD timeout = 5000;
        words >> timeout;
        WaitForDisplay(command == "wait-shown", timeout);
    } else {
        std::printf("error=unknown command\n");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) != "serve") {
        std::fprintf(stderr, "usage: OsdProbe serve\n");
        return 2;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        Answer(line);
        std::printf(".\n");
        std::fflush(stdout);
    }
    return 0;
}
