#include "service/win32/CMonitorWnd.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <span>

#include "contract/ProgramMessages.h"
#include "lang/TextIds.h"
#include "protocol/DeviceMessages.h"
#include "service/core/MonitorConstants.h"
#include "service/win32/TrayMenuWin32.h"
#include "settings/FilePaths.h"
#include "settings/win32/WidePath.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik {

using namespace monitor;

namespace {

constexpr char kWindowClass[] = "MervikMonitorWnd";

} // namespace

bool CMonitorWnd::Create() {
    // Creation runs the whole start-up; a failed one leaves no window.
    return RegisterWindowClass(kWindowClass, 0, nullptr) &&
           Window::Create(0, kWindowClass, kMonitorCaption, WS_POPUP, RECT{100, 100, 200, 200},
                          nullptr);
}

LRESULT CMonitorWnd::WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    // Before the core exists or after it is gone, only the window's own
    // creation and destruction mean anything.
    if (!core_ && message != WM_CREATE && message != WM_DESTROY)
        return Default();
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_DESTROY:
        OnDestroy();
        PostQuitMessage(0);
        return 0;
    case WM_TIMER:
        if (core_ && core_->OnTimer(static_cast<unsigned>(wParam)))
            return 0;
        break;
    case WM_COPYDATA:
        return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case kMsgApplyAllSetting:
        core_->OnApplyAllSetting();
        return 0;
    case kMsgReloadBlock:
        core_->OnReloadSetting();
        return 0;
    case kMsgReloadBlockAndPointer:
        core_->OnReloadWindowsSetting();
        return 0;
    case kMsgPing:
        return 0;
    case kMsgSendAgain:
        core_->OnSendAgain();
        return 0;
    case kMsgAskMouseStatus:
        core_->OnAskMouseStatus();
        return 0;
    case kMsgSystrayNotify:
        OnSystrayNotify(lParam);
        return 0;
    case kMsgDeviceEvent:
        core_->OnDeviceEvent(wParam, lParam);
        return 0;
    case kMsgDeviceChange:
        core_->OnDeviceChange(wParam);
        return 0;
    case kMsgWorkerResult:
        core_->OnWorkerResult({static_cast<WorkerResultKind>(static_cast<uint32_t>(wParam)),
                               static_cast<int32_t>(lParam)});
        return 0;
    default:
        break;
    }
    return Default();
}

bool CMonitorWnd::OnCreate() {
    comStarted_ = SUCCEEDED(CoInitialize(nullptr));
    InitCommonControls();
    const std::string modulePath = win::ModulePath();
    programFolder_ = ProgramFolderOf(modulePath);
    language_.Load(programFolder_);
    registry_.OpenKey(RegistryKey::Mouse);
    link_ = std::make_unique<Win32DeviceLink>(programFolder_, Hwnd());
    connection_ = std::make_unique<DeviceConnection>(*link_, clock_);
    tray_ = std::make_unique<Win32TrayIcon>(Hwnd(), modulePath, language_.Text(kTextTrayTip));
    pointer_ = std::make_unique<Win32PointerSystem>(Hwnd());
    core_ = std::make_unique<MonitorCore>(MonitorPorts{*connection_, *this, block_, windows_,
                                                       *tray_, *this, *pointer_, registry_,
                                                       processes_, launcher_, trace_, *this},
                                          programFolder_);
    core_->LoadSettings();
    switch (block_.CreateMutexObject()) {
    case Win32SharedBlock::Created::Failed:
        trace_.Trace("Monitor: the settings block's mutex cannot be made; not starting\n");
        return false;
    case Win32SharedBlock::Created::AlreadyExists:
        trace_.Trace("Monitor: the settings block's mutex exists already; using it\n");
        break;
    case Win32SharedBlock::Created::Ok:
        break;
    }
    if (block_.CreateMapping())
        core_->PublishSettings();
    core_->StartWorker();
    started_ = true;
    SetWindowLongPtrA(Hwnd(), GWL_EXSTYLE,
                      GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    core_->ConnectAtStart(openOptionAtStart_);
    return true;
}

// The worker ends before the mouse is closed, and the mouse before its library
// is unloaded.
void CMonitorWnd::OnDestroy() {
    // A creation refused because another service owns the block must not
    // close that service's Option and companions on its way out.
    if (core_ && started_)
        core_->Shutdown();
    core_.reset();
    connection_.reset();
    link_.reset();
    if (comStarted_)
        CoUninitialize();
    comStarted_ = false;
    block_.Close();
    if (tray_)
        tray_->RemoveIcon();
    tray_.reset();
    language_.Unload();
}

LRESULT CMonitorWnd::OnCopyData(const COPYDATASTRUCT* data) {
    if (data && data->lpData)
        core_->OnCopyData(data->dwData,
                          std::span(static_cast<const uint8_t*>(data->lpData), data->cbData));
    return TRUE;
}

void CMonitorWnd::OnCommand(WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case kCmdOpenCustomizer:
        core_->OnCustomizer();
        break;
    case kCmdExit:
        PostMessageA(Hwnd(), WM_CLOSE, 0, 0);
        break;
    case kCmdSendAgain:
        core_->OnSendAgain();
        break;
    default:
        if (std::optional<int> profile = ProfileOfTrayCommand(LOWORD(wParam)))
            core_->OnProfileChosen(*profile);
        break;
    }
}

void CMonitorWnd::OnSystrayNotify(LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        core_->OnCustomizer();
        BringUpLastPopup();
        break;
    case WM_LBUTTONDBLCLK:
        trace_.Trace("OnSystrayNotify WM_LBUTTONDBLCLK\n");
        core_->OnCustomizer();
        break;
    case WM_RBUTTONDOWN:
    case WM_CONTEXTMENU: // the context-menu key on the icon
        ShowTrayMenu();
        break;
    case NIN_KEYSELECT: // Enter or Space on the icon
        core_->OnCustomizer();
        BringUpLastPopup();
        break;
    default:
        break;
    }
}

void CMonitorWnd::BringUpLastPopup() {
    HWND popup = GetLastActivePopup(Hwnd());
    if (IsIconic(popup))
        ShowWindow(popup, SW_RESTORE);
    SetForegroundWindow(popup);
}

void CMonitorWnd::ShowTrayMenu() {
    SetForegroundWindow(GetLastActivePopup(Hwnd()));
    win::UniqueMenu menu = CreateTrayMenu(core_->TrayMenu());
    if (!menu)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(menu.get(), TPM_LEFTBUTTON, cursor.x, cursor.y, 0, Hwnd(), nullptr);
    // Lets the menu close when the user clicks elsewhere.
    PostMessageA(Hwnd(), WM_NULL, 0, 0);
}

bool CMonitorWnd::Deliver(const WorkerResult& result) {
    return PostMessageA(Hwnd(), kMsgWorkerResult, static_cast<WPARAM>(result.kind),
                        static_cast<LPARAM>(result.value)) != FALSE;
}

void CMonitorWnd::Start(unsigned id, unsigned periodMs) {
    SetTimer(Hwnd(), id, periodMs, nullptr);
}

void CMonitorWnd::Stop(unsigned id) {
    KillTimer(Hwnd(), id);
}

} // namespace mervik
