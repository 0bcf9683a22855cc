#pragma once
// The language library: every user-visible text by number from lan.dll's
// string table. Without the library every text is empty, which is how the
// program has always behaved, so a missing file costs words, not the program.
#include <windows.h>

#include <string>

namespace mervik::ui {

class Language {
public:
    Language() = default;
    ~Language() { Unload(); }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    bool Load(const std::string& programFolder);
    void Unload();
    bool Loaded() const { return module_ != nullptr; }
    std::string Text(unsigned id) const;

private:
    HMODULE module_ = nullptr;
};

} // namespace mervik::ui
