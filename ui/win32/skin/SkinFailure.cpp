#include "ui/win32/skin/SkinFailure.h"

#include "lang/TextIds.h"
#include "settings/win32/WidePath.h"
#include "ui/win32/main/ProgramWide.h"
#include "ui/win32/main/WarningBox.h"
#include "ui/win32/skin/SkinFolder.h"

namespace mervik::ui {
namespace {

// Used only when lan.dll cannot be read either.
constexpr wchar_t kBuiltInText[] = L"A picture of the program's skin is missing or damaged, so "
                                   L"one of its windows cannot be shown. The program will close; "
                                   L"installing it again restores the skin.";

} // namespace

void ReportSkinFailure(HWND owner, const std::string& skinFile) {
    std::wstring text = Program().language.WideText(kTextSkinFailed);
    if (text.empty())
        text = kBuiltInText;
    text += L"\n\n" + win::Widen(SkinFolder() + skinFile);
    HWND top = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    ShowWarning(top, text, MB_ICONERROR);
    if (top)
        PostMessageA(top, WM_CLOSE, 0, 0);
}

} // namespace mervik::ui
