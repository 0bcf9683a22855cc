#include "ui/win32/controls/ButtonTooltip.h"

#include <commctrl.h>

namespace mervik::ui {
namespace {

TOOLINFOA ToolOf(HWND control, const std::string& text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
}

} // namespace

void ButtonTooltip::Set(HWND control, const std::string& text, bool active) {
    text_ = text;
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
    window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                              0, 0, 0, control, nullptr, GetModuleHandleA(nullptr), nullptr);
    TOOLINFOA tool = ToolOf(control, text_);
    SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    Update(control);
}

void ButtonTooltip::Update(HWND control) {
    TOOLINFOA tool = ToolOf(control, text_);
    SendMessageA(window_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(window_, TTM_ACTIVATE, active_, 0);
}

} // namespace mervik::ui
