#pragma once
// Text in the system's ANSI code page, the bytes the records and the other
// programs' window captions hold, to and from the wide strings of the
// system's dialogs.
#include <windows.h>

#include <optional>
#include <string>

#include "settings/win32/WidePath.h"

namespace mervik::win {

inline std::wstring FromAnsi(const std::string& text) {
    if (text.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// None when a character has no exact ANSI form: a stand-in ("?" or a
// look-alike) would make another text, or name another file.
inline std::optional<std::string> ExactAnsi(const std::wstring& wide) {
    if (wide.empty())
        return std::string();
    BOOL lossy = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                            static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
    if (lossy || length == 0)
        return std::nullopt;
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        ansi.data(), length, nullptr, &lossy);
    if (lossy)
        return std::nullopt;
    return ansi;
}

// A shown text (UTF-8, as the windows hold it) as the bytes the records
// store; none when a character has no exact form in the code page. The way
// back is ShownFromStored (settings/StoredText.h).
inline std::optional<std::string> StoredFromShown(const std::string& shown) {
    return ExactAnsi(Widen(shown));
}

} // namespace mervik::win
