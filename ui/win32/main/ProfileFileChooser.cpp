#include "ui/win32/main/ProfileFileChooser.h"

#include <commdlg.h>

#include "lang/TextIds.h"
#include "settings/win32/WidePath.h"
#include "ui/core/ProfileExchangeTexts.h"
#include "ui/win32/main/ProgramWide.h"
#include "win32/AnsiText.h"

namespace mervik::ui {

std::optional<std::string> ChooseProfileFile(HWND owner, ChooserPurpose purpose,
                                             const std::string& suggested) {
    const win::LanguageLibrary& texts = Program().language;
    const bool exporting = purpose == ChooserPurpose::Export;
    const std::wstring title = texts.WideText(exporting ? kTextExportTitle : kTextImportTitle);
    const std::wstring extension = win::FromAnsi(kProfileFileExtension);
    // "Mervik profiles (*.mervik-profile)\0*.mervik-profile\0\0"
    std::wstring filter = texts.WideText(kTextProfileFileFilter);
    filter.append(1, L'\0').append(L"*.").append(extension).append(2, L'\0');
    std::wstring file = exporting ? win::FromAnsi(suggested) : std::wstring();
    file.resize(32768, L'\0');

    OPENFILENAMEW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = filter.c_str();
    chooser.lpstrFile = file.data();
    chooser.nMaxFile = static_cast<DWORD>(file.size());
    chooser.lpstrTitle = title.empty() ? nullptr : title.c_str();
    chooser.lpstrDefExt = extension.c_str();
    chooser.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER |
                    (exporting ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = exporting ? GetSaveFileNameW(&chooser) : GetOpenFileNameW(&chooser);
    if (!chosen)
        return std::nullopt;
    file.resize(file.find(L'\0'));
    return win::Utf8(file);
}

} // namespace mervik::ui
