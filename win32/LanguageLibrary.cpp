#include "win32/LanguageLibrary.h"

#include "settings/ConfigFile.h"
#include "settings/win32/WidePath.h"

namespace mervik::win {

namespace {

// A string table resource is a block of 16 texts, each a 16-bit length and
// that many UTF-16 units; text `id` is entry id % 16 of block id / 16 + 1.
std::wstring TableText(HMODULE module, unsigned id, WORD langId) {
    HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(6 /* RT_STRING */),
                                  MAKEINTRESOURCEW(id / 16 + 1), langId);
    if (!found)
        return {};
    const DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const auto* units = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
    if (!units)
        return {};
    const size_t total = size / sizeof(WCHAR);
    size_t at = 0;
    for (unsigned entry = 0; entry < id % 16; ++entry) {
        if (at >= total)
            return {};
        at += 1 + units[at];
    }
    if (at >= total || at + 1 + units[at] > total)
        return {};
    return std::wstring(units + at + 1, units[at]);
}

} // namespace

bool LanguageLibrary::Load(const std::string& programFolder) {
    module_.reset(LoadLibraryExW(Widen(programFolder + "lan.dll").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    return Loaded();
}

std::wstring LanguageLibrary::WideText(unsigned id) const {
    if (!module_)
        return {};
    std::wstring text = TableText(module_.get(), id, StringTableLangId(language_));
    if (text.empty() && language_ != UiLanguage::English)
        text = TableText(module_.get(), id, StringTableLangId(UiLanguage::English));
    return text;
}

std::string LanguageLibrary::Text(unsigned id) const {
    return Utf8(WideText(id));
}

UiLanguage ResolveHere(LanguageChoice choice) {
    return ResolveUiLanguage(choice, GetUserDefaultUILanguage());
}

UiLanguage ChosenUiLanguage(const std::string& configPath) {
    return ResolveHere(ReadLanguageChoice(configPath));
}

} // namespace mervik::win
