#include "ui/win32/main/Language.h"

#include "settings/win32/WidePath.h"

namespace mervik::ui {

bool Language::Load(const std::string& programFolder) {
    module_.reset(LoadLibraryW(win::Widen(programFolder + "lan.dll").c_str()));
    return Loaded();
}

std::string Language::Text(unsigned id) const {
    if (!module_)
        return {};
    char text[1024] = {};
    int length = LoadStringA(module_.get(), id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

} // namespace mervik::ui
