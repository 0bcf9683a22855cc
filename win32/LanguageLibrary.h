#pragma once
// lan.dll, whose string table holds every user-visible text, by number. Both
// programs load it from their folder. Without the library every text is
// empty, which is how the programs have always behaved: a missing file costs
// words, not the program.
#include <windows.h>

#include <string>

#include "win32/UniqueHandleWin32.h"

namespace mervik::win {

class LanguageLibrary {
public:
    bool Load(const std::string& programFolder);
    void Unload() { module_.reset(); }
    bool Loaded() const { return static_cast<bool>(module_); }
    std::string Text(unsigned id) const;
    // The same text as UTF-16, for what the system shows in any code page
    // (the taskbar's title).
    std::wstring WideText(unsigned id) const;

private:
    UniqueModule module_;
};

} // namespace mervik::win
