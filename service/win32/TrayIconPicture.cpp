#include "service/win32/TrayIconPicture.h"

#include <shellapi.h>

#include "settings/win32/WidePath.h"

namespace mervik {

namespace {

// Functions of Windows 10 and later, asked for by name (the programs run on
// Windows 7 too, where the system's DPI is the only one).
template <typename Function> Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    // A named resource's name lives only during the enumeration.
    *reinterpret_cast<LPWSTR*>(found) =
        IS_INTRESOURCE(name) ? name : reinterpret_cast<LPWSTR>(_wcsdup(name));
    return FALSE;
}

// The program's first icon group (the one the shell shows for the file),
// loaded at side x side: the group's picture of that size, or the nearest
// one scaled.
HICON FirstIconAt(const std::wstring& path, int side) {
    win::UniqueModule module(LoadLibraryExW(
        path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module)
        return nullptr;
    LPWSTR name = nullptr;
    EnumResourceNamesW(module.get(), MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(RT_GROUP_ICON)),
                       TakeFirstName, reinterpret_cast<LONG_PTR>(&name));
    if (!name)
        return nullptr;
    HICON icon = static_cast<HICON>(LoadImageW(module.get(), name, IMAGE_ICON, side, side, 0));
    if (!IS_INTRESOURCE(name))
        free(name);
    return icon;
}

} // namespace

int TrayDpi() {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (HWND taskBar = FindWindowW(L"Shell_TrayWnd", nullptr); taskBar && getDpiForWindow)
        if (UINT dpi = getDpiForWindow(taskBar))
            return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int SmallIconSide(int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto metricsForDpi =
        User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (metricsForDpi && dpi > 0)
        return metricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi));
    return GetSystemMetrics(SM_CXSMICON);
}

win::UniqueIcon TrayIconPicture(const std::string& exePath, int dpi) {
    const std::wstring path = win::Widen(exePath);
    if (HICON icon = FirstIconAt(path, SmallIconSide(dpi)))
        return win::UniqueIcon(icon);
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
        return win::UniqueIcon();
    return win::UniqueIcon(info.hIcon);
}

} // namespace mervik
