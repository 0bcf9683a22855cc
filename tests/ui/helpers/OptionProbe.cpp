// Looks at a running Option from outside, as a test needs to, and plays
// Monitor's part of the block where a test asks for it. One line of
// "key=value" pairs per command.
//   OptionProbe.exe state [counts]                     (counts: each page's controls too)
//   OptionProbe.exe mouse-changed CPI RATE BRIGHTNESS   (block edit, then 1256)
//   OptionProbe.exe block                              (current profile's values)
//   OptionProbe.exe dialog                             (a visible skinned dialog, if any:
//                                                       its caption, its fields' texts, which
//                                                       field has the focus, which buttons are
//                                                       enabled; spaces in texts as %20)
//   OptionProbe.exe close-dialog                       (WM_CLOSE to that dialog, as another
//                                                       program might send it)
//   OptionProbe.exe close-option                       (WM_CLOSE to the window with Option's
//                                                       caption, as the setup program posts it)
//   OptionProbe.exe lists                              (page 2's lists and fields, as JSON)
//   OptionProbe.exe strip                              (the main window's buttons, as JSON)
//   OptionProbe.exe switch N                           (block's current profile N, then 1255)
//   OptionProbe.exe release-mutex                      (FakeMonitor lets go of the block's mutex)
//   OptionProbe.exe menus                              (the popup menus shown)
//   OptionProbe.exe tips                               (the tooltips shown)
//   OptionProbe.exe focus                              (the focused control, as JSON)
//   OptionProbe.exe controls PAGE                      (page 1 or 2's controls, as JSON)
//   OptionProbe.exe end-programs                       (ends every program of the session but
//                                                       the system's and the probe; "left=N"
//                                                       counts those that would not end)
//   OptionProbe.exe serve                              (the commands above, one a line on
//                                                       standard input; each answer ends
//                                                       with a line ".")
#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "contract/ProgramMessages.h"
#include "hiddriver/sim/ControlPipeName.h"
#include "hiddriver/sim/win32/ControlPipeClient.h"
#include "settings/SharedSettingsBlock.h"
#include "tests/ui/helpers/FakeMonitorControl.h"

namespace {

struct Found {
    int count = 0;
    HWND first = nullptr;
};

// Peers find the hidden window that carries Option's caption; the window the
// user sees is its owner.
HWND MainOf(HWND peer) {
    HWND owner = peer ? GetWindow(peer, GW_OWNER) : nullptr;
    return owner ? owner : peer;
}

HWND FindOptionMain() {
    return MainOf(FindWindowA(nullptr, mervik::kOptionCaption));
}

struct Children {
    HWND regionButtons[3] = {};
    int regionCount = 0;
    std::string visiblePage;
    int pageControls[2] = {}; // children of "page1" and "page2"
};

// Which page `hwnd` is (0 or 1), or -1 for another window.
int PageIndex(HWND hwnd) {
    char cls[64] = {}, text[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "Mervik Page"))
        return -1;
    GetWindowTextA(hwnd, text, sizeof text);
    return !strcmp(text, "page1") ? 0 : !strcmp(text, "page2") ? 1 : -1;
}

// The main window's own children and each page's: a walk of two levels, not
// of every control below them, since each question about a window of
// another process is a round trip to the server and tests ask this often.
// Counting a page's controls walks all of them: only when asked.
Children ScanChildren(HWND main, bool countControls) {
    Children c;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[64] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (!strcmp(cls, "Rgn Button") && c.regionCount < 3)
            c.regionButtons[c.regionCount++] = child;
        const int page = PageIndex(child);
        if (page < 0)
            continue;
        for (HWND control = countControls ? GetWindow(child, GW_CHILD) : nullptr; control;
             control = GetWindow(control, GW_HWNDNEXT))
            ++c.pageControls[page];
        if (IsWindowVisible(child))
            c.visiblePage = page == 0 ? "page1" : "page2";
    }
    return c;
}

struct Popup {
    HWND owner;
    HWND found = nullptr;
};

// A skinned dialog of Option's over the main window, from its class.
bool IsOwnedPopup(HWND hwnd, const char* cls, HWND main) {
    return !strcmp(cls, "Mervik Skinned Dialog") && hwnd != main && IsWindowVisible(hwnd);
}

// A system message box (Option's warnings about files and the block) over
// the main window.
bool IsOwnedMessageBox(HWND hwnd, const char* cls, HWND main) {
    return !strcmp(cls, "#32770") && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == main;
}

BOOL CALLBACK FindOwnedPopup(HWND hwnd, LPARAM lp) {
    auto* p = reinterpret_cast<Popup*>(lp);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (IsOwnedPopup(hwnd, cls, p->owner)) {
        p->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The top-level windows in the order the system lists them (the topmost
// first); with `visibleOnly`, only the visible ones.
std::vector<HWND> TopLevelWindows(bool visibleOnly) {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND hwnd, LPARAM lp) {
            reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    if (visibleOnly)
        std::erase_if(windows, [](HWND hwnd) { return !IsWindowVisible(hwnd); });
    return windows;
}

// Option's windows among the top-level ones, in one walk that asks each
// window's title and class once: the state is asked for many times a test.
struct OptionTopLevel {
    Found option;
    HWND popup = nullptr;
    HWND messageBox = nullptr;
};

OptionTopLevel ScanTopLevel() {
    OptionTopLevel top;
    std::vector<std::pair<HWND, std::string>> classes;
    for (HWND hwnd : TopLevelWindows(false)) {
        char title[64] = {}, cls[64] = {};
        GetWindowTextA(hwnd, title, sizeof title);
        if (!strcmp(title, mervik::kOptionCaption)) {
            if (!top.option.first)
                top.option.first = MainOf(hwnd);
            ++top.option.count;
        }
        GetClassNameA(hwnd, cls, sizeof cls);
        classes.emplace_back(hwnd, cls);
    }
    // The main window may come after its popups in the walk.
    for (const auto& [hwnd, cls] : classes) {
        if (!top.popup && IsOwnedPopup(hwnd, cls.c_str(), top.option.first))
            top.popup = hwnd;
        if (!top.messageBox && IsOwnedMessageBox(hwnd, cls.c_str(), top.option.first))
            top.messageBox = hwnd;
    }
    return top;
}

std::string Spaceless(const char* text);

// A window's UTF-16 title as UTF-8.
std::string Utf8Title(HWND window) {
    wchar_t wide[128] = {};
    GetWindowTextW(window, wide, 128);
    char title[384] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, title, sizeof title, nullptr, nullptr);
    return title;
}

int State(bool countControls) {
    const OptionTopLevel top = ScanTopLevel();
    const HWND main = top.option.first;
    printf("windows=%d", top.option.count);
    if (main) {
        const Children c = ScanChildren(main, countControls);
        // Region buttons in creation order: OK, cancel, Apply.
        printf(" ok_enabled=%d apply_enabled=%d",
               c.regionCount > 0 && IsWindowEnabled(c.regionButtons[0]),
               c.regionCount > 2 && IsWindowEnabled(c.regionButtons[2]));
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
        // Only the main window's own capture means "waiting"; a hovered button holds one too.
        printf(" captured=%d page=%s", info.hwndCapture == main, c.visiblePage.c_str());
        if (countControls)
            printf(" page1_controls=%d page2_controls=%d", c.pageControls[0], c.pageControls[1]);
        RECT r{};
        if (top.popup)
            GetWindowRect(top.popup, &r);
        printf(" warning=%d warning_rect=%ld,%ld,%ld,%ld", top.popup != nullptr, r.left, r.top,
               r.right, r.bottom);
        printf(" message_box=%d", top.messageBox != nullptr);
        if (top.messageBox)
            printf(" box_title=%s", Spaceless(Utf8Title(top.messageBox).c_str()).c_str());
        GetWindowRect(main, &r);
        printf(" main_rect=%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
        // The title the taskbar shows.
        printf(" title=%s", Spaceless(Utf8Title(main).c_str()).c_str());
    }
    printf("\n");
    return 0;
}

template <class Edit> int WithBlock(Edit edit) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, mervik::kSharedBlockName);
    HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, mervik::kSharedMutexName);
    if (!mapping || !mutex) {
        printf("error=no-block\n");
        return 1;
    }
    auto* block = static_cast<mervik::SharedSettingsBlock*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(mervik::SharedSettingsBlock)));
    WaitForSingleObject(mutex, INFINITE);
    int result = edit(*block);
    ReleaseMutex(mutex);
    UnmapViewOfFile(block);
    CloseHandle(mutex);
    CloseHandle(mapping);
    return result;
}

int MouseChanged(int cpi, int rate, int brightness) {
    int result = WithBlock([&](mervik::SharedSettingsBlock& block) {
        mervik::ProfileRecord* p = block.ActiveProfile();
        if (!p)
            return 1;
        p->Cpi_X = cpi;
        p->PollingRate = rate;
        p->Brightness = brightness;
        return 0;
    });
    if (HWND option = FindWindowA(nullptr, mervik::kOptionCaption))
        PostMessageA(option, mervik::kMsgMouseChangedLevel, 0, 0);
    printf("posted=%d\n", result == 0);
    return result;
}

int Block() {
    return WithBlock([](mervik::SharedSettingsBlock& block) {
        const mervik::ProfileRecord* p = block.ActiveProfile();
        if (!p)
            return 1;
        // The game file last: a path may hold blanks.
        printf("current=%d cpi=%d rate=%d brightness=%d game=%.*s\n", block.CurrentProfile,
               p->Cpi_X, p->PollingRate, p->Brightness,
               static_cast<int>(strnlen(p->GameFile, sizeof p->GameFile)), p->GameFile);
        return 0;
    });
}

// What Monitor does on a switch by the foreground program, as Option sees it.
int Switch(int profile) {
    int result = WithBlock([&](mervik::SharedSettingsBlock& block) {
        block.CurrentProfile = profile;
        return 0;
    });
    if (HWND option = FindWindowA(nullptr, mervik::kOptionCaption))
        PostMessageA(option, mervik::kMsgProfileSwitched, 0, 0);
    printf("posted=%d\n", result == 0);
    return result;
}

int ReleaseFakeMonitorsMutex() {
    HWND monitor = FindWindowA(nullptr, mervik::kMonitorCaption);
    printf("posted=%d\n", monitor && PostMessageA(monitor, kMsgFakeMonitorReleaseMutex, 0, 0));
    return 0;
}

// Another program makes profile `profile` current in the block and tells the
// running Monitor (1226), which switches and uploads; `pressMs` later, unless
// it is negative, the mouse's own DPI button is pressed, straight through
// Monitor's simulated mouse, so the press lands that far into the upload.
int MonitorSwitch(int profile, int pressMs) {
    HWND monitor = FindWindowA(nullptr, mervik::kMonitorCaption);
    DWORD monitorProcess = 0;
    if (!monitor || !GetWindowThreadProcessId(monitor, &monitorProcess)) {
        printf("error=no-monitor\n");
        return 1;
    }
    if (WithBlock([&](mervik::SharedSettingsBlock& block) {
            block.CurrentProfile = profile;
            return 0;
        }) != 0)
        return 1;
    PostMessageA(monitor, mervik::kMsgReloadBlock, 0, 0);
    if (pressMs < 0) {
        printf("switched=1\n");
        return 0;
    }
    Sleep(static_cast<DWORD>(pressMs));
    const auto answer =
        mervik::sim::SendControlCommand(mervik::sim::ControlPipeName(monitorProcess), "dpi");
    printf("pressed=%d\n", answer && answer->rfind("ok", 0) == 0 ? 1 : 0);
    return answer ? 0 : 1;
}

// "[left, top, right, bottom]" of `hwnd` in `parent`'s client area.
std::string RectJson(HWND hwnd, HWND parent) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    char text[64];
    snprintf(text, sizeof text, "[%ld, %ld, %ld, %ld]", r.left, r.top, r.right, r.bottom);
    return text;
}

std::string WideText(HWND hwnd) {
    wchar_t wide[600] = {};
    SendMessageW(hwnd, WM_GETTEXT, 600, reinterpret_cast<LPARAM>(wide));
    char text[1200] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

void JsonString(std::string& out, const std::string& text);

struct MainButtons {
    HWND main = nullptr;
    std::string buttons;
    std::string editor = "null";
};

// The main window's own buttons (not the pages'): their window text, checked
// state, whether enabled, and the rectangle in the window; and an edit box
// open over them, if any.
void ScanMainButton(HWND hwnd, MainButtons* found) {
    if (!IsWindowVisible(hwnd))
        return;
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (!_stricmp(cls, "Edit")) {
        found->editor.clear();
        JsonString(found->editor, WideText(hwnd));
    } else if (!strcmp(cls, "Mervik Button")) {
        std::string& out = found->buttons;
        out += out.empty() ? "{\"text\": " : ", {\"text\": ";
        JsonString(out, WideText(hwnd));
        out += ", \"checked\": " +
               std::to_string(SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) +
               ", \"enabled\": " + std::to_string(IsWindowEnabled(hwnd) ? 1 : 0) +
               ", \"rect\": " + RectJson(hwnd, found->main) + "}";
    }
}

int Strip() {
    MainButtons found;
    found.main = FindOptionMain();
    // The main window's own children only: walking every control of the
    // pages as well made each question cost tens of milliseconds of the
    // server's time, asked several times a second while a test waits.
    if (found.main)
        for (HWND child = GetWindow(found.main, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            ScanMainButton(child, &found);
    printf("{\"buttons\": [%s], \"editor\": %s}\n", found.buttons.c_str(), found.editor.c_str());
    return found.main ? 0 : 1;
}

// What the main window's status area says, as its window text; null
// without a status area.
int Status() {
    HWND main = FindOptionMain();
    HWND area = main ? FindWindowExA(main, nullptr, "MervikStatusArea", nullptr) : nullptr;
    std::string text = "null";
    if (area) {
        text.clear();
        JsonString(text, WideText(area));
    }
    printf("{\"text\": %s, \"visible\": %d}\n", text.c_str(),
           area && IsWindowVisible(area) ? 1 : 0);
    return main ? 0 : 1;
}

std::string Spaceless(const char* text) {
    std::string out;
    for (const char* c = text; *c; ++c) {
        if (*c == ' ')
            out.append("%20");
        else
            out.push_back(*c);
    }
    return out;
}

struct DialogChildren {
    HWND focus = nullptr;
    std::string fields;  // edit texts, '|' between them, in creation order
    std::string enabled; // '1' or '0' per button, in creation order
    int focusedField = -1;
    int fieldCount = 0;
};

BOOL CALLBACK ScanDialogChild(HWND hwnd, LPARAM lp) {
    auto* d = reinterpret_cast<DialogChildren*>(lp);
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (!_stricmp(cls, "Edit")) {
        char text[256] = {};
        // WM_GETTEXT reaches into the other process; GetWindowText would not.
        SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        if (d->fieldCount)
            d->fields += '|';
        d->fields.append(Spaceless(text));
        if (hwnd == d->focus)
            d->focusedField = d->fieldCount;
        ++d->fieldCount;
    } else if (!strcmp(cls, "Mervik Button")) {
        d->enabled += IsWindowEnabled(hwnd) ? '1' : '0';
    }
    return TRUE;
}

int Dialog() {
    Popup popup{nullptr};
    EnumWindows(FindOwnedPopup, reinterpret_cast<LPARAM>(&popup));
    RECT r{};
    char title[64] = {};
    DialogChildren children;
    bool active = false;
    if (popup.found) {
        GetWindowRect(popup.found, &r);
        GetWindowTextA(popup.found, title, sizeof title);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(popup.found, nullptr), &info);
        children.focus = info.hwndFocus;
        EnumChildWindows(popup.found, ScanDialogChild, reinterpret_cast<LPARAM>(&children));
        // A click sent before the dialog is the active window can be taken by
        // the activation still on its way from X: tests wait for this.
        active = info.hwndActive == popup.found && GetForegroundWindow() == popup.found;
    }
    printf("dialog=%d rect=%ld,%ld,%ld,%ld title=%s fields=%s focus=%d enabled=%s active=%d\n",
           popup.found != nullptr, r.left, r.top, r.right, r.bottom, Spaceless(title).c_str(),
           children.fields.c_str(), children.focusedField, children.enabled.c_str(),
           active ? 1 : 0);
    return 0;
}

int CloseDialog() {
    Popup popup{nullptr};
    EnumWindows(FindOwnedPopup, reinterpret_cast<LPARAM>(&popup));
    if (popup.found)
        PostMessageA(popup.found, WM_CLOSE, 0, 0);
    printf("closed=%d\n", popup.found != nullptr);
    return 0;
}

int CloseOption() {
    HWND peer = FindWindowA(nullptr, mervik::kOptionCaption);
    if (peer)
        PostMessageA(peer, WM_CLOSE, 0, 0);
    printf("closed=%d\n", peer != nullptr);
    return 0;
}

struct PageLists {
    HWND page = nullptr;
    std::string json;
    int lists = 0;
    int edits = 0;
    std::string spins; // the spin fields' texts, in the page's order
};

void JsonString(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
}

// Page 2's macro list, step list (with each row's item value) and the
// repeat-count field, in the order the page made them.
BOOL CALLBACK ScanPageLists(HWND hwnd, LPARAM lp) {
    auto* p = reinterpret_cast<PageLists*>(lp);
    char parentClass[64] = {};
    GetClassNameA(GetParent(hwnd), parentClass, sizeof parentClass);
    char ownClass[64] = {};
    GetClassNameA(hwnd, ownClass, sizeof ownClass);
    if (!strcmp(parentClass, "Mervik Spin") && !_stricmp(ownClass, "Edit")) {
        // The message, not GetWindowText: another process's edit answers
        // only the message with its text.
        char text[32] = {};
        SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        if (!p->spins.empty())
            p->spins += ", ";
        JsonString(p->spins, text);
        return TRUE;
    }
    if (GetParent(hwnd) != p->page)
        return TRUE;
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (!_stricmp(cls, "ListBox") && p->lists < 2) {
        p->json += p->lists++ == 0 ? "\"macros\": [" : "\"steps\": [";
        int count = static_cast<int>(SendMessageA(hwnd, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            // The wide message: only its text crosses the process boundary whole.
            wchar_t wide[256] = {};
            if (SendMessageW(hwnd, LB_GETTEXTLEN, i, 0) < 255)
                SendMessageW(hwnd, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
            char text[512] = {};
            WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
            const auto value = static_cast<unsigned long>(SendMessageA(hwnd, LB_GETITEMDATA, i, 0));
            if (i)
                p->json += ", ";
            if (p->lists == 1) {
                JsonString(p->json, text);
            } else {
                p->json += "[";
                JsonString(p->json, text);
                p->json += ", " + std::to_string(value) + "]";
            }
        }
        p->json += "], \"";
        p->json += p->lists == 1 ? "macro" : "step";
        p->json += "_selected\": " +
                   std::to_string(static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0)));
        p->json += ", \"";
        p->json += p->lists == 1 ? "macro" : "step";
        p->json += "_enabled\": " + std::to_string(IsWindowEnabled(hwnd) ? 1 : 0) + ", ";
        // The rows in view: the first, and how many the list's height holds.
        RECT client{};
        GetClientRect(hwnd, &client);
        const auto itemHeight = static_cast<int>(SendMessageA(hwnd, LB_GETITEMHEIGHT, 0, 0));
        p->json += "\"";
        p->json += p->lists == 1 ? "macro" : "step";
        p->json += "_view\": [" +
                   std::to_string(static_cast<int>(SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0))) +
                   ", " + std::to_string(itemHeight > 0 ? client.bottom / itemHeight : 0) + "], ";
    } else if (!_stricmp(cls, "Edit") && p->edits++ == 0) {
        wchar_t wide[32] = {};
        SendMessageW(hwnd, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(wide));
        char text[64] = {};
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        p->json += "\"repeat\": ";
        JsonString(p->json, text);
        p->json += ", ";
    }
    return TRUE;
}

struct PageSearch {
    int index;
    HWND page = nullptr;
};

BOOL CALLBACK FindPage(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<PageSearch*>(lp);
    if (PageIndex(hwnd) == search->index) {
        search->page = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND PageWindow(int index) {
    PageSearch search{index};
    if (HWND option = FindOptionMain())
        EnumChildWindows(option, FindPage, reinterpret_cast<LPARAM>(&search));
    return search.page;
}

int Lists() {
    PageLists p;
    p.page = PageWindow(1);
    if (!p.page) {
        printf("{\"error\": \"no page\"}\n");
        return 1;
    }
    EnumChildWindows(p.page, ScanPageLists, reinterpret_cast<LPARAM>(&p));
    printf("{%s\"spins\": [%s], \"done\": 1}\n", p.json.c_str(), p.spins.c_str());
    return 0;
}

struct PageControls {
    HWND page;
    std::string json;
};

// Every control of a page: its rectangle in the page, its text (what a
// screen reader reads), whether it is shown and enabled.
BOOL CALLBACK ScanPageControls(HWND hwnd, LPARAM lp) {
    auto* p = reinterpret_cast<PageControls*>(lp);
    if (GetParent(hwnd) != p->page)
        return TRUE;
    if (!p->json.empty())
        p->json += ", ";
    p->json += "{\"rect\": " + RectJson(hwnd, p->page) + ", \"text\": ";
    JsonString(p->json, WideText(hwnd));
    p->json += ", \"visible\": " + std::to_string(IsWindowVisible(hwnd) ? 1 : 0) +
               ", \"enabled\": " + std::to_string(IsWindowEnabled(hwnd) ? 1 : 0) + "}";
    return TRUE;
}

int Controls(int index) {
    PageControls p{PageWindow(index), {}};
    if (!p.page) {
        printf("{\"error\": \"no page\"}\n");
        return 1;
    }
    EnumChildWindows(p.page, ScanPageControls, reinterpret_cast<LPARAM>(&p));
    printf("{\"controls\": [%s]}\n", p.json.c_str());
    return 0;
}

// The control with the keyboard focus in the foreground window, for tests
// that find it by its place in the skin: its class, text, the page it is on
// (-1 for none), whether its window is Option's main window, and its
// rectangle in the coordinates of that page or window.
int Focus() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(0, &info) || !info.hwndFocus) {
        printf("{}\n");
        return 0;
    }
    HWND focus = info.hwndFocus;
    HWND root = GetAncestor(focus, GA_ROOT);
    HWND frame = root;
    int page = -1;
    for (HWND up = GetAncestor(focus, GA_PARENT); up && up != root; up = GetAncestor(up, GA_PARENT))
        if ((page = PageIndex(up)) >= 0) {
            frame = up;
            break;
        }
    char cls[64] = {};
    GetClassNameA(focus, cls, sizeof cls);
    std::string json = "{\"class\": ";
    JsonString(json, cls);
    json += ", \"text\": ";
    JsonString(json, WideText(focus));
    json += ", \"page\": " + std::to_string(page) +
            ", \"main\": " + std::to_string(root == FindOptionMain() ? 1 : 0) +
            ", \"rect\": " + RectJson(focus, frame) + "}";
    printf("%s\n", json.c_str());
    return 0;
}

// The visible top-level windows of a class, in the order the system lists
// them (the topmost first): "NAME=N rect0=l,t,r,b rect1=...".
struct ShownOfClass {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK ScanShownOfClass(HWND hwnd, LPARAM lp) {
    auto* scan = reinterpret_cast<ShownOfClass*>(lp);
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (!_stricmp(cls, scan->className) && IsWindowVisible(hwnd))
        scan->found.push_back(hwnd);
    return TRUE;
}

int ShownRects(const char* name, const char* className) {
    ShownOfClass scan{className, {}};
    EnumWindows(ScanShownOfClass, reinterpret_cast<LPARAM>(&scan));
    printf("%s=%zu", name, scan.found.size());
    for (size_t i = 0; i < scan.found.size(); ++i) {
        RECT r;
        GetWindowRect(scan.found[i], &r);
        printf(" rect%zu=%ld,%ld,%ld,%ld", i, r.left, r.top, r.right, r.bottom);
    }
    printf("\n");
    return 0;
}

// The desktop's message queues gone quiet: each top-level window's thread
// answers a sent message (which also makes it take in the X input waiting
// for it) and its process then waits for input with nothing left to do, its
// painting included. What the end-to-end tests wait on after each input,
// instead of a fixed sleep.
int Settle() {
    constexpr UINT kAnswerMs = 2000;
    constexpr DWORD kIdleMs = 2000;
    for (int round = 0; round < 2; ++round) {
        for (HWND window : TopLevelWindows(true)) {
            DWORD_PTR result = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &result);
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            if (processId == GetCurrentProcessId())
                continue;
            if (HANDLE process =
                    OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
                WaitForInputIdle(process, kIdleMs);
                CloseHandle(process);
            }
        }
    }
    return 0;
}

// What a new session would give the next test, without the seconds a new
// session costs: every program of the session ended but the system's own
// (the desktop, the tray, the services) and this probe. The windows and the
// named objects of the programs go with them.
bool IsSystemProgram(HANDLE process, const std::wstring& systemFolder) {
    wchar_t image[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(process, 0, image, &size))
        return true; // unknown: leave it
    return size > systemFolder.size() &&
           CompareStringOrdinal(image, static_cast<int>(systemFolder.size()), systemFolder.c_str(),
                                static_cast<int>(systemFolder.size()), TRUE) == CSTR_EQUAL &&
           image[systemFolder.size()] == L'\\';
}

int EndPrograms() {
    constexpr DWORD kEndMs = 10000;
    wchar_t folder[MAX_PATH] = {};
    const std::wstring systemFolder(folder, GetSystemWindowsDirectoryW(folder, MAX_PATH));
    std::vector<HANDLE> ending;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId() || entry.th32ProcessID == 0)
            continue;
        HANDLE process =
            OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                        entry.th32ProcessID);
        if (!process)
            continue;
        if (!systemFolder.empty() && !IsSystemProgram(process, systemFolder) &&
            TerminateProcess(process, 1))
            ending.push_back(process);
        else
            CloseHandle(process);
    }
    CloseHandle(snapshot);
    int left = 0;
    for (HANDLE process : ending) {
        if (WaitForSingleObject(process, kEndMs) != WAIT_OBJECT_0)
            ++left;
        CloseHandle(process);
    }
    printf("ended=%zu left=%d\n", ending.size(), left);
    return 0;
}

// Prints 1 when a visible top-level window's title contains `part`, else 0.
int HasWindow(const char* part) {
    for (HWND window : TopLevelWindows(true)) {
        char title[256] = {};
        GetWindowTextA(window, title, sizeof title);
        if (strstr(title, part)) {
            printf("1\n");
            return 0;
        }
    }
    printf("0\n");
    return 0;
}

int Dispatch(int argc, char** argv) {
    if (argc >= 3 && !strcmp(argv[1], "has-window"))
        return HasWindow(argv[2]);
    if (argc >= 2 && !strcmp(argv[1], "settle"))
        return Settle();
    if (argc >= 2 && !strcmp(argv[1], "end-programs"))
        return EndPrograms();
    if (argc >= 2 && !strcmp(argv[1], "state"))
        return State(argc >= 3 && !strcmp(argv[2], "counts"));
    if (argc >= 5 && !strcmp(argv[1], "mouse-changed"))
        return MouseChanged(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]));
    if (argc >= 2 && !strcmp(argv[1], "block"))
        return Block();
    if (argc >= 2 && !strcmp(argv[1], "dialog"))
        return Dialog();
    if (argc >= 2 && !strcmp(argv[1], "close-dialog"))
        return CloseDialog();
    if (argc >= 2 && !strcmp(argv[1], "close-option"))
        return CloseOption();
    if (argc >= 2 && !strcmp(argv[1], "lists"))
        return Lists();
    if (argc >= 2 && !strcmp(argv[1], "strip"))
        return Strip();
    if (argc >= 2 && !strcmp(argv[1], "status"))
        return Status();
    if (argc >= 3 && !strcmp(argv[1], "switch"))
        return Switch(atoi(argv[2]));
    if (argc >= 3 && !strcmp(argv[1], "monitor-switch"))
        return MonitorSwitch(atoi(argv[2]), argc >= 4 ? atoi(argv[3]) : -1);
    if (argc >= 2 && !strcmp(argv[1], "release-mutex"))
        return ReleaseFakeMonitorsMutex();
    if (argc >= 2 && !strcmp(argv[1], "menus"))
        return ShownRects("menus", "#32768");
    if (argc >= 2 && !strcmp(argv[1], "tips"))
        return ShownRects("tips", "tooltips_class32");
    if (argc >= 2 && !strcmp(argv[1], "focus"))
        return Focus();
    if (argc >= 3 && !strcmp(argv[1], "controls"))
        return Controls(atoi(argv[2]) - 1);
    fprintf(
        stderr,
        "usage: OptionProbe state [counts] | mouse-changed CPI RATE BRIGHTNESS | block | dialog "
        "| close-dialog | close-option | lists | menus | tips | focus | controls PAGE | strip "
        "| status | switch N | monitor-switch N [PRESS_MS] | release-mutex | end-programs | "
        "serve\n");
    return 2;
}

// One command a line from standard input, each answer ended by a line "."
// (a test asks hundreds of questions; starting a program for each costs more
// than the test itself).
int Serve() {
    char line[512];
    while (fgets(line, sizeof line, stdin)) {
        std::vector<char*> args{const_cast<char*>("OptionProbe")};
        for (char* token = strtok(line, " \t\r\n"); token; token = strtok(nullptr, " \t\r\n"))
            args.push_back(token);
        if (args.size() > 1)
            Dispatch(static_cast<int>(args.size()), args.data());
        printf("\n.\n");
        fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && !strcmp(argv[1], "serve"))
        return Serve();
    return Dispatch(argc, argv);
}
