#include "service/win32/CMonitorApp.h"

#include "contract/ProgramMessages.h"

namespace mervik {

namespace {

constexpr char kOpenOptionArgument = '1';
// A Monitor that is starting holds the mutex a moment before its window
// exists; this is how long a later start gives it to appear.
constexpr DWORD kStartingMonitorWaitMs = 3000;
constexpr DWORD kWindowPollMs = 50;

void Trace(const char* line) {
    OutputDebugStringA(line);
}

// The window of a Monitor that really runs. The instance mutex alone proves
// nothing: a Monitor that crashed or was ended leaves it to whoever else
// holds a handle, and any program may create it.
HWND RunningMonitor() {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowA(nullptr, kMonitorCaption))
            return window;
        if (GetTickCount() - start >= kStartingMonitorWaitMs)
            return nullptr;
        Sleep(kWindowPollMs);
    }
}

} // namespace

bool CMonitorApp::InitInstance(const char* commandLine) {
    const bool openOption = commandLine && commandLine[0] == kOpenOptionArgument;
    instanceMutex_.reset(CreateMutexA(nullptr, FALSE, kMonitorInstanceMutexName));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (HWND running = RunningMonitor()) {
            Trace("Monitor: another Monitor is running; this start ends\n");
            instanceMutex_.reset();
            if (openOption)
                PostMessageA(running, WM_COMMAND, kCmdOpenCustomizer, 0);
            return false;
        }
        Trace("Monitor: the instance mutex exists but no Monitor runs; starting\n");
    }
    window_ = std::make_unique<CMonitorWnd>(openOption);
    return window_->Create();
}

int CMonitorApp::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void CMonitorApp::ExitInstance() {
    window_.reset();
    instanceMutex_.reset();
}

} // namespace mervik
