#include "ui/win32/main/WarningBox.h"

#include "lang/TextIds.h"
#include "ui/win32/main/ProgramWide.h"

namespace mervik::ui {

std::wstring ReadableTitle() {
    std::wstring title = Program().language.WideText(kTextWindowTitle);
    return title.empty() ? L"Mervik" : title;
}

void ShowWarning(HWND owner, const std::wstring& text, UINT icon) {
    MessageBoxW(owner, text.c_str(), ReadableTitle().c_str(), MB_OK | icon);
}

bool AskOkCancel(HWND owner, const std::wstring& question) {
    return MessageBoxW(owner, question.c_str(), ReadableTitle().c_str(),
                       MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

} // namespace mervik::ui
