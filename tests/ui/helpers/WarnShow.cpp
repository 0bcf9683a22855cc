// Shows one of Option's warnings on its own, from the skins of the program
// folder it runs in, and prints the button that ended it:
//   WarnShow.exe click|reset|macro|nomouse|delete [OWNER_CENTRE]
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <cstring>

#include "settings/FilePaths.h"
#include "ui/win32/dialogs/CWarnDlg.h"
#include "ui/win32/skin/SkinFolder.h"

using mervik::ui::Warning;

namespace {

bool KindOf(const char* name, Warning& kind) {
    struct Name {
        const char* text;
        Warning kind;
    } names[] = {{"click", Warning::Click},
                 {"reset", Warning::Reset},
                 {"macro", Warning::MacroSet},
                 {"nomouse", Warning::NoMouse},
                 {"delete", Warning::DeleteMacro}};
    for (const Name& n : names)
        if (!strcmp(n.text, name)) {
            kind = n.kind;
            return true;
        }
    return false;
}

// An owner for the warnings that centre on theirs: a plain window in the
// middle of the screen.
HWND MakeOwner() {
    return CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE | WS_BORDER, 200, 150, 800,
                           600, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace

int main(int argc, char** argv) {
    Warning kind;
    if (argc < 2 || !KindOf(argv[1], kind))
        return 2;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    mervik::ui::SetSkinFolder(mervik::ProgramFolder() + "skins\\");
    HWND owner = MakeOwner();
    mervik::ui::CWarnDlg dialog(kind);
    INT_PTR result = dialog.DoModal(owner);
    printf("result=%s\n", result == IDOK ? "ok" : "cancel");
    fflush(stdout);
    DestroyWindow(owner);
    OleUninitialize();
    return 0;
}
