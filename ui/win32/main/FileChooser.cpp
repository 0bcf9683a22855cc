#include "ui/win32/main/FileChooser.h"

#include <commdlg.h>

namespace mervik::ui {

std::optional<std::wstring> ChooseFile(HWND owner, const FileChooserRequest& request) {
    // "NAME\0*.EXTENSION\0\0": the filter's name, then its pattern.
    std::wstring filter = request.filterName;
    filter.append(1, L'\0').append(L"*.").append(request.extension).append(2, L'\0');
    std::wstring file = request.file;
    file.resize(32768, L'\0');

    OPENFILENAMEW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = filter.c_str();
    chooser.lpstrFile = file.data();
    chooser.nMaxFile = static_cast<DWORD>(file.size());
    chooser.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    chooser.lpstrDefExt = request.extension.c_str();
    chooser.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER |
                    (request.saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(request.saving ? GetSaveFileNameW(&chooser) : GetOpenFileNameW(&chooser)))
        return std::nullopt;
    file.resize(file.find(L'\0'));
    return file;
}

} // namespace mervik::ui
