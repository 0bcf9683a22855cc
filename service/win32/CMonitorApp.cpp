#include "service/win32/CMonitorApp.h"

#include "contract/ProgramMessages.h"

namespace mervik {

namespace {

constexpr char kOpenOptionArgument = '1';

} // namespace

bool CMonitorApp::InitInstance(HINSTANCE instance, const char* commandLine) {
    const bool openOption = commandLine && commandLine[0] == kOpenOptionArgument;
    instanceMutex_.reset(CreateMutexA(nullptr, FALSE, kMonitorInstanceMutexName));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        instanceMutex_.reset();
        if (openOption) {
            if (HWND running = FindWindowA(nullptr, kMonitorCaption))
                PostMessageA(running, WM_COMMAND, kCmdOpenCustomizer, 0);
        }
        return false;
    }
    window_ = std::make_unique<CMonitorWnd>(openOption);
    return window_->Create(instance) != nullptr;
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
    if (instanceMutex_)
        ReleaseMutex(instanceMutex_.get());
    instanceMutex_.reset();
}

} // namespace mervik
