#include "ui/win32/main/Language.h"

#include "win32/WidePath.h"

namespace mervik::ui {

bool Language::Load(const std::string& programFolder) {
    Unload();
    module_ = LoadLibraryW(win::Widen(programFolder + "lan.dll").c_str());
    return module_ != nullptr;
}

void Language::Unload() {
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
}

std::string Language::Text(unsigned id) const {
    if (!module_)
        return {};
    char text[1024] = {};
    int length = LoadStringA(module_, id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

} // namespace mervik::ui
