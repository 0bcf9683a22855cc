#include "ui/win32/controls/ButtonTooltip.h"

#include <commctrl.h>

#include "settings/win32/WidePath.h"

namespace mervik::ui {
namespace {

TOOLINFOW ToolOf(HWND control, const std::wstring& text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    return tool;
}

} // namespace

void ButtonTooltip::Set(HWND control, const std::string& text, bool active) {
    text_ = win::Widen(text);
    active_ = active;
    if (window_)
        Update(control);
}

void ButtonTooltip::OnMouseMove(HWND control, WPARAM keys, LPARAM point) {
    if (window_ || text_.empty())
        return;
    Make(control);
    MSG move{control, WM_MOUSEMOVE, keys, point, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageA(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void ButtonTooltip::Make(HWND control) {
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                              0, 0, 0, control, nullptr, GetModuleHandleW(nullptr), nullptr);
    TOOLINFOW tool = ToolOf(control, text_);
    SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    Update(control);
}

void ButtonTooltip::Update(HWND control) {
    TOOLINFOW tool = ToolOf(control, text_);
    SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(window_, TTM_ACTIVATE, active_, 0);
}

} // namespace mervik::ui
