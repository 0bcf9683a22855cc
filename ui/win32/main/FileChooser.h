#pragma once
// The system's file chooser, for one kind of file: the one place the suite
// fills OPENFILENAMEW.
#include <windows.h>

#include <optional>
#include <string>

namespace mervik::ui {

struct FileChooserRequest {
    std::wstring title;      // empty: the system's own
    std::wstring filterName; // "Programs (*.exe)"
    std::wstring extension;  // without the dot: the filter's and the default one
    std::wstring file;       // the name offered at first; may be empty
    bool saving = false;     // a file to write (asks before overwriting) or one that exists
};

// The chosen file's path; none when the user cancelled.
std::optional<std::wstring> ChooseFile(HWND owner, const FileChooserRequest& request);

} // namespace mervik::ui
