#include "ui/win32/main/ProfileFileChooser.h"

#include "lang/TextIds.h"
#include "settings/win32/WidePath.h"
#include "ui/core/ProfileExchangeTexts.h"
#include "ui/win32/main/FileChooser.h"
#include "ui/win32/main/ProgramWide.h"
#include "win32/AnsiText.h"

namespace mervik::ui {

std::optional<std::string> ChooseProfileFile(HWND owner, ChooserPurpose purpose,
                                             const std::string& suggested) {
    const win::LanguageLibrary& texts = Program().language;
    const bool exporting = purpose == ChooserPurpose::Export;
    const std::optional<std::wstring> file = ChooseFile(
        owner, {texts.WideText(exporting ? kTextExportTitle : kTextImportTitle),
                texts.WideText(kTextProfileFileFilter), win::FromAnsi(kProfileFileExtension),
                exporting ? win::FromAnsi(suggested) : std::wstring(), exporting});
    if (!file)
        return std::nullopt;
    return win::Utf8(*file);
}

} // namespace mervik::ui
