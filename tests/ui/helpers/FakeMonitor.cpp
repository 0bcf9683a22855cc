// Stands in for Monitor in Option's tests: creates the shared block and its
// mutex as Monitor does, shows no window but one captioned like Monitor's, and
// records every 1224 in a log file. It answers with 1258 after a delay, or
// never with --silent. With --hold-mutex it takes the block's mutex and keeps
// it until told to let go (FakeMonitorControl.h), and its block holds nothing
// (all zero bytes).
//   FakeMonitor.exe LOGFILE [--silent] [--delay MS] [--hold-mutex]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "contract/ProgramMessages.h"
#include "settings/ProfileDefaults.h"
#include "settings/SharedSettingsBlock.h"
#include "tests/ui/helpers/FakeMonitorControl.h"

namespace {

const char* g_log = nullptr;
HANDLE g_mutex = nullptr;
bool g_holdsMutex = false;
bool g_silent = false;
UINT g_delayMs = 1500;
constexpr UINT_PTR kAnswerTimer = 1;

void Log(const char* line) {
    if (FILE* f = fopen(g_log, "a")) {
        fprintf(f, "%s\n", line);
        fclose(f);
    }
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == mervik::kMsgApplyAllSetting) {
        Log("1224");
        if (!g_silent)
            SetTimer(hwnd, kAnswerTimer, g_delayMs, nullptr);
        return 0;
    }
    if (msg == kMsgFakeMonitorReleaseMutex && g_holdsMutex) {
        g_holdsMutex = !ReleaseMutex(g_mutex);
        Log("released");
        return 0;
    }
    if (msg == WM_TIMER && wp == kAnswerTimer) {
        KillTimer(hwnd, kAnswerTimer);
        if (HWND option = FindWindowA(nullptr, mervik::kOptionCaption)) {
            PostMessageA(option, mervik::kMsgApplyDone, 0, 0);
            Log("1258");
        }
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HANDLE CreateSharedBlock(bool empty) {
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, nullptr, FALSE);
    SECURITY_ATTRIBUTES sa{sizeof sa, &sd, TRUE};
    HANDLE mapping =
        CreateFileMappingA(INVALID_HANDLE_VALUE, &sa, PAGE_READWRITE, 0,
                           sizeof(mervik::SharedSettingsBlock), mervik::kSharedBlockName);
    auto* block = static_cast<mervik::SharedSettingsBlock*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(mervik::SharedSettingsBlock)));
    if (block && !empty) {
        static mervik::SharedSettingsBlock image;
        mervik::ResetAllProfiles(image);
        memcpy(block, &image, sizeof image);
    }
    return mapping;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    g_log = argv[1];
    bool holdMutex = false;
    for (int i = 2; i < argc; ++i) {
        if (!strcmp(argv[i], "--silent"))
            g_silent = true;
        else if (!strcmp(argv[i], "--delay") && i + 1 < argc)
            g_delayMs = static_cast<UINT>(atoi(argv[++i]));
        else if (!strcmp(argv[i], "--hold-mutex"))
            holdMutex = true;
    }
    g_mutex = CreateMutexA(nullptr, FALSE, mervik::kSharedMutexName);
    if (holdMutex)
        g_holdsMutex = WaitForSingleObject(g_mutex, INFINITE) == WAIT_OBJECT_0;
    HANDLE mapping = CreateSharedBlock(holdMutex);
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MervikFakeMonitor";
    RegisterClassA(&wc);
    CreateWindowExA(0, wc.lpszClassName, mervik::kMonitorCaption, WS_OVERLAPPED, 0, 0, 10, 10,
                    nullptr, nullptr, wc.hInstance, nullptr);
    Log("ready");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    CloseHandle(mapping);
    CloseHandle(g_mutex);
    return 0;
}
