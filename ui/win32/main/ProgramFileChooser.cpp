#include "ui/win32/main/ProgramFileChooser.h"

#include "lang/TextIds.h"
#include "ui/win32/main/FileChooser.h"
#include "ui/win32/main/ProgramWide.h"
#include "win32/AnsiText.h"

namespace mervik::ui {

ChosenProgram ChooseProgramFile(HWND owner, const std::string& current) {
    const win::LanguageLibrary& texts = Program().language;
    const std::optional<std::wstring> file =
        ChooseFile(owner, {texts.WideText(kTextChooseProgram), texts.WideText(kTextProgramFilter),
                           L"exe", win::FromAnsi(current), false});
    ChosenProgram chosen;
    if (!file)
        return chosen;
    std::optional<std::string> ansi = win::ExactAnsi(*file);
    chosen.outcome = ansi ? ChosenProgram::Outcome::Chosen : ChosenProgram::Outcome::NotInCodePage;
    chosen.path = ansi.value_or(std::string());
    return chosen;
}

} // namespace mervik::ui
