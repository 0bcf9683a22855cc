// Opens one of the button page's small dialogs on its own, from the skins of
// the program folder it runs in, over a plain owner window, and prints what it
// returned when it closes:
//   ButtonDialogShow.exe shortcut USAGE MODIFIERS
//   ButtonDialogShow.exe fire COUNT INTERVAL USAGE
//   ButtonDialogShow.exe colour 0xBBGGRR
// It also prints whether the keyboard capture outlived the dialog's window
// (checked while the dialog object still exists).
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "settings/FilePaths.h"
#include "ui/win32/capture/KeyCapture.h"
#include "ui/win32/dialogs/CColorPickerDlg.h"
#include "ui/win32/dialogs/CFireButtonDlg.h"
#include "ui/win32/dialogs/CShortcutDlg.h"
#include "ui/win32/skin/SkinFolder.h"

namespace {

const char* ResultText(INT_PTR result) {
    return result == IDOK ? "ok" : "cancel";
}

int Captured() {
    return mervik::ui::KeyCaptureActive() ? 1 : 0;
}

int Number(const char* text) {
    return static_cast<int>(strtol(text, nullptr, 0));
}

int Show(HWND owner, int argc, char** argv) {
    using namespace mervik::ui;
    const char* kind = argv[1];
    if (!strcmp(kind, "shortcut") && argc >= 4) {
        CShortcutDlg dialog(static_cast<uint8_t>(Number(argv[2])),
                            static_cast<uint8_t>(Number(argv[3])));
        const INT_PTR result = dialog.DoModal(owner);
        printf("result=%s key=%d modifiers=0x%02X capture=%d\n", ResultText(result), dialog.Key(),
               dialog.Modifiers(), Captured());
        return 0;
    }
    if (!strcmp(kind, "fire") && argc >= 5) {
        CFireButtonDlg dialog(Number(argv[2]), Number(argv[3]),
                              static_cast<uint8_t>(Number(argv[4])));
        const INT_PTR result = dialog.DoModal(owner);
        printf("result=%s count=%d interval=%d key=%d capture=%d\n", ResultText(result),
               dialog.Count(), dialog.Interval(), dialog.Key(), Captured());
        return 0;
    }
    if (!strcmp(kind, "colour") && argc >= 3) {
        CColorPickerDlg dialog(static_cast<COLORREF>(Number(argv[2])));
        const INT_PTR result = dialog.DoModal(owner);
        printf("result=%s colour=0x%06lX capture=%d\n", ResultText(result),
               static_cast<unsigned long>(dialog.Colour()), Captured());
        return 0;
    }
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    mervik::ui::SetSkinFolder(mervik::ProgramFolder() + "skins\\");
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE | WS_BORDER, 200, 150,
                                 800, 600, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const int status = Show(owner, argc, argv);
    fflush(stdout);
    DestroyWindow(owner);
    OleUninitialize();
    return status;
}
