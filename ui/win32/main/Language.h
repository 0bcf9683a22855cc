#pragma once
// The language library: every user-visible text by number from lan.dll's
// string table. Without the library every text is empty, which is how the
// program has always behaved, so a missing file costs words, not the program.
#include <windows.h>

#include <string>

#include "win32/UniqueHandleWin32.h"

namespace mervik::ui {

class Language {
public:
    bool Load(const std::string& programFolder);
    void Unload() { module_.reset(); }
    bool Loaded() const { return static_cast<bool>(module_); }
    std::string Text(unsigned id) const;

private:
    win::UniqueModule module_;
};

} // namespace mervik::ui
