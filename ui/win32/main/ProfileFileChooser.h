#pragma once
// The system's file chooser for profile files (.mervik-profile), to save an
// exported profile or to open one to import.
#include <windows.h>

#include <optional>
#include <string>

namespace mervik::ui {

enum class ChooserPurpose { Export, Import };

// The chosen file's path (UTF-8, the suite's paths); none when cancelled.
// `suggested` is the file name offered for an export (ANSI).
std::optional<std::string> ChooseProfileFile(HWND owner, ChooserPurpose purpose,
                                             const std::string& suggested);

} // namespace mervik::ui
