#include "ui/win32/controls/ButtonTooltip.h"

#include <commctrl.h>

#include <vector>

#include "settings/win32/WidePath.h"
#include "ui/core/TipPlacement.h"
#include "ui/win32/controls/SkinTextFont.h"

namespace mervik::ui {
namespace {

constexpr UINT_PTR kPlacementSubclass = 1;
constexpr int kTipGap = 2;

PixelRect ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK AddShownMenu(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (IsWindowVisible(window) && !lstrcmpA(name, "#32768"))
        reinterpret_cast<std::vector<PixelRect>*>(found)->push_back(ScreenRect(window));
    return TRUE;
}

// What a tip of this thread must leave free besides its control: the menus
// open (a button's menu is tracked by the thread its button lives on) and
// the field the keyboard is typing into.
std::vector<PixelRect> InUse() {
    std::vector<PixelRect> covered;
    EnumThreadWindows(GetCurrentThreadId(), AddShownMenu, reinterpret_cast<LPARAM>(&covered));
    if (HWND focus = GetFocus()) {
        char name[16] = {};
        GetClassNameA(focus, name, sizeof name);
        if (!lstrcmpiA(name, "Edit"))
            covered.push_back(ScreenRect(focus));
    }
    return covered;
}

// The tip window is shown and moved by the system's tooltip code, at the
// pointer; each time, its place is taken from PlaceTip instead, and a tip
// that has no place is not shown.
LRESULT CALLBACK PlaceTipProc(HWND tip, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    if (msg == WM_WINDOWPOSCHANGING) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        const bool showing = (pos->flags & SWP_SHOWWINDOW) || IsWindowVisible(tip);
        if (showing && !(pos->flags & SWP_HIDEWINDOW)) {
            HWND control = reinterpret_cast<HWND>(data);
            const PixelRect now = ScreenRect(tip);
            const int width = (pos->flags & SWP_NOSIZE) ? now.Width() : pos->cx;
            const int height = (pos->flags & SWP_NOSIZE) ? now.Height() : pos->cy;
            MONITORINFO monitor{};
            monitor.cbSize = sizeof monitor;
            GetMonitorInfoW(MonitorFromWindow(control, MONITOR_DEFAULTTONEAREST), &monitor);
            const RECT& work = monitor.rcWork;
            const std::vector<PixelRect> covered = InUse();
            const auto at =
                PlaceTip({ScreenRect(control), width, height, covered,
                          PixelRect{work.left, work.top, work.right, work.bottom}, kTipGap});
            if (at) {
                pos->x = at->x;
                pos->y = at->y;
                pos->flags &= ~SWP_NOMOVE;
            } else {
                pos->flags &= ~SWP_SHOWWINDOW;
                if (IsWindowVisible(tip))
                    pos->flags |= SWP_HIDEWINDOW;
            }
        }
    } else if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(tip, PlaceTipProc, kPlacementSubclass);
    }
    return DefSubclassProc(tip, msg, wp, lp);
}

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

void ButtonTooltip::HideShownTips() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            char name[32] = {};
            GetClassNameA(window, name, sizeof name);
            if (IsWindowVisible(window) && !lstrcmpiA(name, TOOLTIPS_CLASSA))
                SendMessageA(window, TTM_POP, 0, 0);
            return TRUE;
        },
        0);
}

void ButtonTooltip::Set(HWND control, const std::string& text, bool active) {
    shown_ = text;
    text_ = win::Widen(text);
    active_ = active;
    if (window_)
        Update(control);
}

void ButtonTooltip::OnMouseMove(HWND control, WPARAM keys, LPARAM point, int scalePercent) {
    if (window_ || text_.empty())
        return;
    Make(control, scalePercent);
    MSG move{control, WM_MOUSEMOVE, keys, point, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageA(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void ButtonTooltip::Make(HWND control, int scalePercent) {
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                              0, 0, 0, control, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(SkinTextFont(scalePercent, shown_)),
                 FALSE);
    SetWindowSubclass(window_, PlaceTipProc, kPlacementSubclass,
                      reinterpret_cast<DWORD_PTR>(control));
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
