#pragma once
// Monitor's hidden window: it receives every message (from Option, from the
// HID library, from its timers, its tray icon and the device worker) and hands
// each to the service core. It is never shown.
#include <windows.h>

#include <memory>
#include <string>

#include "device/Clock.h"
#include "device/DeviceConnection.h"
#include "device/win32/DeviceLinkWin32.h"
#include "service/core/MonitorCore.h"
#include "service/win32/DebugTraceWin32.h"
#include "service/win32/PointerSystemWin32.h"
#include "service/win32/ProcessListerWin32.h"
#include "service/win32/ProgramLauncherWin32.h"
#include "service/win32/ProgramWindowsWin32.h"
#include "service/win32/SharedBlockWin32.h"
#include "service/win32/TrayIconWin32.h"
#include "settings/win32/RegistryStoreWin32.h"
#include "win32/LanguageLibrary.h"
#include "win32/Window.h"

namespace mervik {

class CMonitorWnd final : public win::Window,
                          private TimerService,
                          private TextSource,
                          private WorkerResults {
public:
    explicit CMonitorWnd(bool openOptionAtStart) : openOptionAtStart_(openOptionAtStart) {}
    // The window goes while the service's parts are still there to stop.
    ~CMonitorWnd() override { Destroy(); }

    // Registers the class and creates the window; false when the service
    // cannot run (another one owns the shared block).
    bool Create();

private:
    LRESULT WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool OnCreate();
    void OnDestroy();
    LRESULT OnCopyData(const COPYDATASTRUCT* data);
    void OnSystrayNotify(LPARAM mouseMessage);
    void OnCommand(WPARAM wParam);
    void ShowTrayMenu();
    void BringUpLastPopup();

    void Start(unsigned id, unsigned periodMs) override;
    void Stop(unsigned id) override;
    std::string Text(unsigned id) override { return language_.Text(id); }
    // On the device worker: posted, so the worker never waits on this thread.
    bool Deliver(const WorkerResult& result) override;

    const bool openOptionAtStart_;
    std::string programFolder_;
    bool comStarted_ = false;
    bool started_ = false; // the start-up got past the shared block

    win::LanguageLibrary language_;
    Win32RegistryStore registry_;
    std::unique_ptr<Win32DeviceLink> link_;
    SteadyClock clock_;
    std::unique_ptr<DeviceConnection> connection_;
    Win32SharedBlock block_;
    Win32ProgramWindows windows_;
    std::unique_ptr<Win32TrayIcon> tray_;
    std::unique_ptr<Win32PointerSystem> pointer_;
    Win32ProcessLister processes_;
    Win32ProgramLauncher launcher_;
    DebugTrace trace_;
    std::unique_ptr<MonitorCore> core_;
};

} // namespace mervik
