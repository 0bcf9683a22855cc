#include "ui/win32/controls/CoolMenuHook.h"

#include <mutex>
#include <unordered_map>
#include <vector>

#include "win32/Gdi.h"

namespace mervik::ui {
namespace {

constexpr char kMenuClass[] = "#32768";

HHOOK g_hook = nullptr;

// Each hooked menu window and its own procedure. The frame procedure looks its
// window up for every message, so the table is process-local, as the main
// window's objects are: under Wine each property read is a round trip to the
// window server. The property stays on the window for whoever looks for it.
struct HookedMenus {
    std::mutex mutex;
    std::unordered_map<HWND, WNDPROC> procedures;
};

// Never destroyed, so a menu that outlives it at exit can still be restored.
HookedMenus& TheMenus() {
    static HookedMenus* menus = new HookedMenus;
    return *menus;
}

WNDPROC OldProc(HWND hwnd) {
    HookedMenus& menus = TheMenus();
    std::lock_guard<std::mutex> lock(menus.mutex);
    auto found = menus.procedures.find(hwnd);
    return found == menus.procedures.end() ? nullptr : found->second;
}

void Restore(HWND hwnd) {
    WNDPROC old = nullptr;
    {
        HookedMenus& menus = TheMenus();
        std::lock_guard<std::mutex> lock(menus.mutex);
        auto found = menus.procedures.find(hwnd);
        if (found == menus.procedures.end())
            return;
        old = found->second;
        menus.procedures.erase(found);
    }
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    RemovePropA(hwnd, kMenuOldProcProperty);
}

void FrameRect(HDC dc, RECT rect, COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    ::FrameRect(dc, &rect, brush.get());
}

void DrawFrame(HWND hwnd, HDC dc) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    FrameRect(dc, rect, kMenuFrameOuter);
    InflateRect(&rect, -1, -1);
    FrameRect(dc, rect, kMenuFrameInner);
    InflateRect(&rect, -1, -1);
    FrameRect(dc, rect, kMenuFrameInner);
}

LRESULT CALLBACK MenuProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WNDPROC old = OldProc(hwnd);
    if (!old)
        return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_NCPAINT: {
        HDC dc = GetWindowDC(hwnd);
        DrawFrame(hwnd, dc);
        ReleaseDC(hwnd, dc);
        return 0;
    }
    case WM_PRINT: {
        LRESULT result = CallWindowProcA(old, hwnd, msg, wp, lp);
        DrawFrame(hwnd, reinterpret_cast<HDC>(wp));
        return result;
    }
    case WM_SHOWWINDOW:
        if (!wp)
            Restore(hwnd);
        break;
    case WM_NCDESTROY:
        Restore(hwnd);
        break;
    default:
        break;
    }
    return CallWindowProcA(old, hwnd, msg, wp, lp);
}

bool IsMenuWindow(HWND hwnd) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return lstrcmpA(name, kMenuClass) == 0;
}

// The table holds the window before its procedure is replaced, so the first
// message already finds it.
void Hook(HWND hwnd) {
    auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    if (!old || old == MenuProc)
        return;
    {
        HookedMenus& menus = TheMenus();
        std::lock_guard<std::mutex> lock(menus.mutex);
        menus.procedures[hwnd] = old;
    }
    SetPropA(hwnd, kMenuOldProcProperty, reinterpret_cast<HANDLE>(old));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MenuProc));
}

std::vector<HWND> HookedWindows() {
    HookedMenus& menus = TheMenus();
    std::lock_guard<std::mutex> lock(menus.mutex);
    std::vector<HWND> windows;
    for (const auto& [hwnd, procedure] : menus.procedures)
        windows.push_back(hwnd);
    return windows;
}

// A creation hook rather than a sent-message one: under Wine every hooked
// message costs a round trip to the window server, which made each of page
// 1's hundred-odd buttons several times slower to create.
LRESULT CALLBACK WatchCreation(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND && IsMenuWindow(reinterpret_cast<HWND>(wp)))
        Hook(reinterpret_cast<HWND>(wp));
    return CallNextHookEx(g_hook, code, wp, lp);
}

} // namespace

bool CoolMenuHook::Install() {
    if (g_hook)
        return true;
    g_hook = SetWindowsHookExA(WH_CBT, WatchCreation, nullptr, GetCurrentThreadId());
    return g_hook != nullptr;
}

void CoolMenuHook::Uninstall() {
    for (HWND hwnd : HookedWindows())
        Restore(hwnd);
    if (g_hook)
        UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}

bool CoolMenuHook::Installed() {
    return g_hook != nullptr;
}

int CoolMenuHook::HookedCount() {
    return static_cast<int>(HookedWindows().size());
}

} // namespace mervik::ui
