#pragma once
// lan.dll, where the user-visible texts live. A missing library gives empty texts.
#include <windows.h>

#include <string>

namespace mervik {

class LanguageModule {
public:
    explicit LanguageModule(const std::string& programFolder);
    ~LanguageModule();
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    std::string Text(unsigned id) const;

private:
    HMODULE module_ = nullptr;
};

} // namespace mervik
