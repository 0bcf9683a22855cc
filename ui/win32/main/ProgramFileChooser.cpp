#include "ui/win32/main/ProgramFileChooser.h"

#include <commdlg.h>

#include "ui/win32/main/ProgramWide.h"
#include "ui/win32/main/TextIds.h"

namespace mervik::ui {

namespace {

std::wstring FromAnsi(const std::string& text) {
    if (text.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// False when a character has no exact ANSI form: a stand-in would name
// another file, and Monitor could never match the program.
bool ToAnsi(const std::wstring& wide, std::string& ansi) {
    BOOL lossy = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                            static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
    if (lossy || (length == 0 && !wide.empty()))
        return false;
    ansi.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        ansi.data(), length, nullptr, &lossy);
    return !lossy;
}

} // namespace

ChosenProgram ChooseProgramFile(HWND owner, const std::string& current) {
    const win::LanguageLibrary& texts = Program().language;
    const std::wstring title = FromAnsi(texts.Text(kTextChooseProgram));
    // "Programs (*.exe)\0*.exe\0\0": the filter's name, then its pattern.
    std::wstring filter = FromAnsi(texts.Text(kTextProgramFilter));
    filter.append(1, L'\0').append(L"*.exe").append(2, L'\0');
    std::wstring file = FromAnsi(current);
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
    chosen.outcome = ToAnsi(file, chosen.path) ? ChosenProgram::Outcome::Chosen
                                               : ChosenProgram::Outcome::NotInCodePage;
    return chosen;
}

} // namespace mervik::ui
