#include "ui/win32/skin/SkinFailure.h"

#include "lang/TextIds.h"
#include "settings/win32/WidePath.h"
#include "ui/win32/main/ProgramWide.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {
namespace {

// Used only when lan.dll cannot be read either.
constexpr char kBuiltInText[] = "A picture of the program's skin is missing or damaged, so one "
                                "of its windows cannot be shown. The program will close; "
                                "installing it again restores the skin.";

} // namespace

void ReportSkinFailure(HWND owner, const std::string& skinFile) {
    std::string text = Program().language.Text(kTextSkinFailed);
    if (text.empty())
        text = kBuiltInText;
    text += "\n\n" + SkinFolder() + skinFile;
    HWND top = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    MessageBoxW(top, win::Widen(text).c_str(), ReadableTitle().c_str(), MB_OK | MB_ICONERROR);
    if (top)
        PostMessageA(top, WM_CLOSE, 0, 0);
}

} // namespace mervik::ui
