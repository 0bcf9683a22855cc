#include "ui/win32/main/ProgramFileChooser.h"

#include <commdlg.h>

#include "lang/TextIds.h"
#include "ui/win32/main/ProgramWide.h"
#include "win32/AnsiText.h"

namespace mervik::ui {

ChosenProgram ChooseProgramFile(HWND owner, const std::string& current) {
    const win::LanguageLibrary& texts = Program().language;
    const std::wstring title = texts.WideText(kTextChooseProgram);
    // "Programs (*.exe)\0*.exe\0\0": the filter's name, then its pattern.
    std::wstring filter = texts.WideText(kTextProgramFilter);
    filter.append(1, L'\0').append(L"*.exe").append(2, L'\0');
    std::wstring file = win::FromAnsi(current);
    file.resize(32768, L'\0');

    OPENFILENAMEW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = filter.c_str();
    chooser.lpstrFile = file.data();
    chooser.nMaxFile = static_cast<DWORD>(file.size());
    chooser.lpstrTitle = title.empty() ? nullptr : title.c_str();
    chooser.lpstrDefExt = L"exe";
    chooser.Flags =
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    ChosenProgram chosen;
    if (!GetOpenFileNameW(&chooser))
        return chosen;
    file.resize(file.find(L'\0'));
    std::optional<std::string> ansi = win::ExactAnsi(file);
    chosen.outcome = ansi ? ChosenProgram::Outcome::Chosen : ChosenProgram::Outcome::NotInCodePage;
    chosen.path = ansi.value_or(std::string());
    return chosen;
}

} // namespace mervik::ui
