#pragma once
// Paths inside the suite are UTF-8 strings; Windows gets them as UTF-16 at
// every file, library and shell call (the settings' file layer here, and the
// programs' library and shell calls through the same functions), so a program folder outside the
// ANSI code page (a user name in Cyrillic or Chinese, say) works like any other. ANSI stays only
// where peers rely on bytes: captions, object names, the shared block and file contents.
#include <windows.h>

#include <string>

namespace mervik::win {

inline std::wstring Widen(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

inline std::string Utf8(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                        nullptr, nullptr);
    return utf8;
}

// The full path of `module` (null: the running program), in UTF-8; empty
// when the system cannot say.
inline std::string ModulePath(HMODULE module = nullptr) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return Utf8(buffer);
        }
        if (buffer.size() >= 32768)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace mervik::win
