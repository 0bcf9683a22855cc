#include "ui/win32/controls/WindowText.h"

#include <algorithm>
#include <cwchar>

#include "settings/win32/WidePath.h"

namespace mervik::ui {

bool AnswerTextMessage(UINT msg, WPARAM wp, LPARAM lp, const std::string& text, LRESULT& result) {
    if (msg != WM_GETTEXTLENGTH && msg != WM_GETTEXT)
        return false;
    const std::wstring wide = win::Widen(text);
    if (msg == WM_GETTEXTLENGTH) {
        result = static_cast<LRESULT>(wide.size());
        return true;
    }
    auto* out = reinterpret_cast<wchar_t*>(lp);
    result = 0;
    if (!out || wp == 0)
        return true;
    const size_t n = std::min(wide.size(), static_cast<size_t>(wp) - 1);
    std::wmemcpy(out, wide.data(), n);
    out[n] = L'\0';
    result = static_cast<LRESULT>(n);
    return true;
}

} // namespace mervik::ui
