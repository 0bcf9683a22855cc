#include "ui/win32/main/COptionApp.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "contract/ProgramMessages.h"
#include "settings/FilePaths.h"
#include "ui/win32/controls/CoolMenuHook.h"
#include "ui/win32/main/COptionDlg.h"
#include "ui/win32/main/ProgramWide.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik::ui {

int COptionApp::Run() {
    win::UniqueHandle instance(CreateMutexA(nullptr, FALSE, kOptionInstanceMutexName));
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return 0; // the running one stays as it is
    Program().folder = ProgramFolder();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    CoolMenuHook::Install();
    INT_PTR result = 0;
    int page = 0;
    do {
        COptionDlg dialog(page);
        result = dialog.DoModal(nullptr);
        page = dialog.CurrentPage();
    } while (result == COptionDlg::kReopenInLanguage);
    CoolMenuHook::Uninstall();
    OleUninitialize();
    return result == CSkinnedDialog::kSkinFailed ? 1 : 0;
}

} // namespace mervik::ui
