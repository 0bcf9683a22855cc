#include "service/win32/LanguageModule.h"

#include "settings/win32/WidePath.h"

namespace mervik {

LanguageModule::LanguageModule(const std::string& programFolder)
    : module_(LoadLibraryW(win::Widen(programFolder + "lan.dll").c_str())) {}

std::string LanguageModule::Text(unsigned id) const {
    if (!module_)
        return {};
    char buffer[1024] = {};
    const int length = LoadStringA(module_.get(), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

} // namespace mervik
