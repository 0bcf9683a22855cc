#pragma once
// lan.dll, whose string tables hold every user-visible text, by number, once
// per language. Both programs load it from their folder and read the table of
// the language they speak (UiLanguage), falling back to the English table
// for a text the other lacks or leaves empty. Without the library every text
// is empty, which is how the programs have always behaved: a missing file
// costs words, not the program.
//
// Texts are handed out as UTF-8 (what the windows show, converted to UTF-16
// where they are drawn) or as UTF-16; never in the system's code page, which
// cannot hold Chinese on most systems.
#include <windows.h>

#include <string>

#include "settings/UiLanguage.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik::win {

class LanguageLibrary {
public:
    bool Load(const std::string& programFolder);
    void Unload() { module_.reset(); }
    bool Loaded() const { return static_cast<bool>(module_); }

    void SetLanguage(UiLanguage language) { language_ = language; }
    UiLanguage Language() const { return language_; }

    std::string Text(unsigned id) const;
    std::wstring WideText(unsigned id) const;

private:
    UniqueModule module_;
    UiLanguage language_ = UiLanguage::English;
};

// The language `choice` means here: the system's user-interface language
// (GetUserDefaultUILanguage) decides a choice of "the system's".
UiLanguage ResolveHere(LanguageChoice choice);

// The language the user chose in the configuration file at `configPath`, as
// ResolveHere takes it.
UiLanguage ChosenUiLanguage(const std::string& configPath);

} // namespace mervik::win
