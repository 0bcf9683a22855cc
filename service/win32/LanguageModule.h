#pragma once
// lan.dll, where the user-visible texts live. A missing library gives empty texts.
#include <windows.h>

#include <string>

#include "win32/UniqueHandleWin32.h"

namespace mervik {

class LanguageModule {
public:
    explicit LanguageModule(const std::string& programFolder);

    std::string Text(unsigned id) const;

private:
    win::UniqueModule module_;
};

} // namespace mervik
