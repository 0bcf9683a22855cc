#include "win32/LanguageLibrary.h"

#include "settings/win32/WidePath.h"

namespace mervik::win {

bool LanguageLibrary::Load(const std::string& programFolder) {
    module_.reset(LoadLibraryW(Widen(programFolder + "lan.dll").c_str()));
    return Loaded();
}

std::string LanguageLibrary::Text(unsigned id) const {
    if (!module_)
        return {};
    char text[1024] = {};
    const int length = LoadStringA(module_.get(), id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring LanguageLibrary::WideText(unsigned id) const {
    if (!module_)
        return {};
    wchar_t text[1024] = {};
    const int length = LoadStringW(module_.get(), id, text, sizeof text / sizeof text[0]);
    return std::wstring(text, length > 0 ? static_cast<size_t>(length) : 0);
}

} // namespace mervik::win
