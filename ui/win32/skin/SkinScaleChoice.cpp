#include "ui/win32/skin/SkinScaleChoice.h"

#include <vector>

#include "settings/win32/WidePath.h"
#include "ui/core/DisplayScale.h"
#include "ui/core/PictureLimits.h"
#include "ui/win32/skin/SkinFolder.h"
#include "ui/win32/skin/SkinImages.h"

namespace mervik::ui {
namespace {

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(win::Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The percents of the variant folders beside the skin that hold `skinFile`.
std::vector<int> VariantsWith(const std::string& skinFile) {
    std::vector<int> found;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(win::Widen(SkinFolder() + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        std::string name = win::Utf8(entry.cFileName);
        if (std::optional<int> percent = ParseScaleFolder(name);
            percent && FileExists(SkinVariantFolder(*percent) + skinFile))
            found.push_back(*percent);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

// The size of the variant's window: its Normal picture's, from the file's
// first bytes.
std::optional<std::pair<long long, long long>> VariantWindowSize(const std::string& skinFile,
                                                                 int percent) {
    std::string normal = SkinFile(skinFile, percent).PictureName("Normal");
    if (normal.empty())
        return std::nullopt;
    HANDLE file =
        CreateFileW(win::Widen(SkinVariantFolder(percent) + normal).c_str(), GENERIC_READ,
                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    uint8_t header[64] = {};
    DWORD got = 0;
    const bool read = ReadFile(file, header, sizeof header, &got, nullptr) != FALSE;
    CloseHandle(file);
    return read ? HeaderPictureSize(std::span<const uint8_t>(header, got)) : std::nullopt;
}

} // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && window)
        if (UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int ChooseWindowSkinScale(HWND window, const std::string& skinFile) {
    return ChooseSkinScaleOn(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), WindowDpi(window),
                             skinFile);
}

int ChooseSkinScaleOn(HMONITOR monitor, int dpi, const std::string& skinFile) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const bool known = GetMonitorInfoW(monitor, &info) != FALSE;
    const RECT& work = info.rcWork;
    return ChooseSkinScale(dpi, VariantsWith(skinFile), [&](int percent) {
        const auto size = VariantWindowSize(skinFile, percent);
        return !known || !size ||
               (size->first <= work.right - work.left && size->second <= work.bottom - work.top);
    });
}

} // namespace mervik::ui
