#include "ui/win32/controls/CoolMenuHook.h"

#include <algorithm>
#include <vector>

#include "win32/Gdi.h"

namespace mervik::ui {
namespace {

constexpr size_t kBuckets = 1000;
constexpr char kMenuClass[] = "#32768";

HHOOK g_hook = nullptr;
std::vector<std::vector<HWND>> g_table;

std::vector<HWND>& BucketOf(HWND hwnd) {
    return g_table[(reinterpret_cast<UINT_PTR>(hwnd) / 16) % kBuckets];
}

WNDPROC OldProc(HWND hwnd) {
    return reinterpret_cast<WNDPROC>(GetPropA(hwnd, kMenuOldProcProperty));
}

void Restore(HWND hwnd) {
    WNDPROC old = OldProc(hwnd);
    if (old)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    RemovePropA(hwnd, kMenuOldProcProperty);
    auto& bucket = BucketOf(hwnd);
    bucket.erase(std::remove(bucket.begin(), bucket.end(), hwnd), bucket.end());
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

void Hook(HWND hwnd) {
    if (OldProc(hwnd))
        return;
    auto old = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MenuProc));
    SetPropA(hwnd, kMenuOldProcProperty, reinterpret_cast<HANDLE>(old));
    BucketOf(hwnd).push_back(hwnd);
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
    g_table.assign(kBuckets, {});
    g_hook = SetWindowsHookExA(WH_CBT, WatchCreation, nullptr, GetCurrentThreadId());
    return g_hook != nullptr;
}

void CoolMenuHook::Uninstall() {
    for (auto& bucket : g_table)
        while (!bucket.empty())
            Restore(bucket.back());
    g_table.clear();
    if (g_hook)
        UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}

bool CoolMenuHook::Installed() {
    return g_hook != nullptr;
}

int CoolMenuHook::HookedCount() {
    size_t count = 0;
    for (auto& bucket : g_table)
        count += bucket.size();
    return static_cast<int>(count);
}

} // namespace mervik::ui
