// Opens the select-macro dialog on its own for slot SLOT of a default
// profile, with the macros of the program folder it runs in, and prints what
// OK or Cancel left in the slot:
//   SelectMacroShow.exe SLOT
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "macros/MacroFile.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"
#include "ui/win32/dialogs/CSelectMacroDlg.h"
#include "ui/win32/skin/SkinFolder.h"

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const int slot = atoi(argv[1]);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    const std::string folder = mervik::ProgramFolder();
    mervik::ui::SetSkinFolder(folder + "skins\\");
    mervik::MacroList macros;
    mervik::LoadMacroList(folder, macros);
    auto image = std::make_unique<mervik::SharedSettingsBlock>();
    mervik::CreateImage(*image);
    mervik::ResetAllProfiles(*image);
    mervik::ProfileRecord& profile = image->Profiles[0];
    INT_PTR result = IDCANCEL;
    {
        mervik::ui::CSelectMacroDlg dialog(macros, *image, profile, slot);
        result = dialog.DoModal(nullptr);
    }
    const mervik::ButtonAssignment& b = profile.Buttons[slot];
    printf("result=%s function=%d runmode=%d name=%s events=%d\n", result == IDOK ? "ok" : "cancel",
           b.Function, b.RunMode, mervik::TextOfField(b.MacroName).c_str(), b.EventCount);
    fflush(stdout);
    OleUninitialize();
    return 0;
}
