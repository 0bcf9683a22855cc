// Looks at Monitor's tray from inside the Wine desktop, for the tray test
// that drives it with X input from outside:
//   TrayProbe icon      the screen rectangle of Monitor's tray icon
//   TrayProbe rbutton   posts Monitor the icon's right-button notice
//   TrayProbe measure   where the items of a menu like Monitor's lie in its
//                       window (built from the shared block as Monitor builds it)
//   TrayProbe menu      waits for Monitor's open tray menu; its rectangle
//   TrayProbe closed    waits until no tray menu is open
//   TrayProbe tip       waits for the tip shown over the tray; its rectangle
//                       and, on the next line, its text
//   TrayProbe shown     whether Monitor's icon is in the tray
//   TrayProbe current   the shared block's current profile
// Each prints key=value words and exits 0, or 1 when it found nothing.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "contract/ProgramMessages.h"
#include "service/core/MonitorConstants.h"
#include "service/core/TrayMenu.h"
#include "service/win32/TrayMenuWin32.h"
#include "settings/ProfileDefaults.h"
#include "settings/SharedSettingsBlock.h"
#include "settings/win32/WidePath.h"

namespace {

using namespace mervik;

void PrintRect(const char* key, const RECT& r) {
    std::printf("%s=%ld,%ld,%ld,%ld\n", key, r.left, r.top, r.right, r.bottom);
}

bool WaitFor(DWORD timeoutMs, const std::function<bool()>& condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

std::unique_ptr<SharedSettingsBlock> ReadBlock() {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, kSharedBlockName);
    if (!mapping)
        return nullptr;
    auto image = std::make_unique<SharedSettingsBlock>();
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof *image);
    if (view) {
        std::memcpy(image.get(), view, sizeof *image);
        UnmapViewOfFile(view);
    } else {
        image.reset();
    }
    CloseHandle(mapping);
    return image;
}

DWORD MonitorProcess() {
    HWND monitor = FindWindowA(nullptr, kMonitorCaption);
    DWORD process = 0;
    if (monitor)
        GetWindowThreadProcessId(monitor, &process);
    return process;
}

// The visible pop-up menu windows of one process.
HWND MenuWindowOf(DWORD process) {
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (std::strcmp(name, "#32768") == 0 && IsWindowVisible(window) &&
                owner == s->process) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Wine's taskbar draws the tray icons itself, from its right end, a small
// icon and its border each: Monitor's, the only one, takes the last slot.
int Icon() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar)
        return 1;
    RECT bar{};
    GetWindowRect(taskbar, &bar);
    const LONG slot = GetSystemMetrics(SM_CXSMICON) + 4;
    PrintRect("icon", RECT{bar.right - slot, bar.top, bar.right, bar.bottom});
    return 0;
}

// What the taskbar sends when the icon is right-clicked, for a desktop whose
// tray cannot be clicked.
int RightButton() {
    HWND monitor = FindWindowA(nullptr, kMonitorCaption);
    return monitor && PostMessageA(monitor, monitor::kMsgSystrayNotify, monitor::kTrayIconId,
                                   WM_RBUTTONDOWN)
               ? 0
               : 1;
}

// Shows the same menu in this process for a moment and reads where its items
// lie in its window; the texts do not change the heights. `sendAgain`: the
// menu as it is while the mouse lacks the current settings.
int Measure(bool sendAgain) {
    auto image = ReadBlock();
    if (!image) {
        image = std::make_unique<SharedSettingsBlock>();
        CreateImage(*image);
        ResetAllProfiles(*image);
    }
    const std::vector<TrayMenuItem> items =
        TrayMenuItems(*image, {"Open", "Exit", "Profile %1", "Again"}, sendAgain);
    win::UniqueMenu menu = CreateTrayMenu(items);
    static HMENU shown;
    static std::vector<RECT> rects;
    static RECT window;
    shown = menu.get();
    rects.assign(items.size(), RECT{});
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    SetTimer(owner, 1, 200, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND popup = MenuWindowOf(GetCurrentProcessId());
        if (!popup)
            return;
        GetWindowRect(popup, &window);
        for (size_t i = 0; i < rects.size(); ++i)
            GetMenuItemRect(nullptr, shown, static_cast<UINT>(i), &rects[i]);
        EndMenu();
    });
    SetForegroundWindow(owner);
    TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY, 100, 100, 0, owner, nullptr);
    DestroyWindow(owner);
    if (window.right == window.left)
        return 1;
    std::printf("size=%ld,%ld\n", window.right - window.left, window.bottom - window.top);
    for (size_t i = 0; i < rects.size(); ++i)
        std::printf("item%zu=%ld,%ld\n", i, rects[i].top - window.top,
                    rects[i].bottom - window.top);
    return 0;
}

int Menu() {
    const DWORD monitor = MonitorProcess();
    HWND menu = nullptr;
    if (!monitor || !WaitFor(10000, [&] { return (menu = MenuWindowOf(monitor)) != nullptr; }))
        return 1;
    RECT rect{};
    GetWindowRect(menu, &rect);
    PrintRect("menu", rect);
    return 0;
}

int Closed() {
    const DWORD monitor = MonitorProcess();
    return WaitFor(10000, [&] { return !MenuWindowOf(monitor); }) ? 0 : 1;
}

// Explorer's tip window over the tray, once the pointer has rested there.
int Tip() {
    HWND tip = nullptr;
    const bool shown = WaitFor(10000, [&] {
        tip = FindWindowA("tooltips_class32", nullptr);
        while (tip && !IsWindowVisible(tip))
            tip = FindWindowExA(nullptr, tip, "tooltips_class32", nullptr);
        return tip != nullptr;
    });
    if (!shown)
        return 1;
    RECT rect{};
    GetWindowRect(tip, &rect);
    PrintRect("tip", rect);
    // Marshalled by the system, so the tip's text comes from the taskbar's
    // process; a line of its own, as it holds blanks; UTF-8, as it may be
    // Chinese.
    wchar_t wide[128] = {};
    SendMessageTimeoutW(tip, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    std::printf("text=%s\n", win::Utf8(wide).c_str());
    return 0;
}

// Modifying nothing succeeds only for an icon the tray holds.
int Shown() {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = FindWindowA(nullptr, kMonitorCaption);
    record.uID = monitor::kTrayIconId;
    std::printf("shown=%d\n", record.hWnd && Shell_NotifyIconA(NIM_MODIFY, &record) ? 1 : 0);
    return record.hWnd ? 0 : 1;
}

int Current() {
    auto image = ReadBlock();
    if (!image)
        return 1;
    std::printf("current=%d\n", image->CurrentProfile);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "icon")
        return Icon();
    if (command == "rbutton")
        return RightButton();
    if (command == "measure")
        return Measure(argc > 2 && std::string(argv[2]) == "again");
    if (command == "menu")
        return Menu();
    if (command == "closed")
        return Closed();
    if (command == "tip")
        return Tip();
    if (command == "current")
        return Current();
    if (command == "shown")
        return Shown();
    std::fprintf(stderr,
                 "usage: TrayProbe icon|rbutton|measure [again]|menu|closed|tip|shown|current\n");
    return 2;
}
