// Page 1's own time under Wine, in process with the real page and skin:
// a click on a function button to its menu on the screen, a menu choice to
// the new caption painted, and the whole page shown anew for another profile.
//   button_page_bench_win.exe SKIN_FOLDER
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/PageBenchWin32.h"
#include "lang/TextIds.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "ui/win32/pages/CButtonPage.h"
#include "win32/LanguageLibrary.h"

using namespace mervik;
using namespace mervik::ui;
using mervik::bench::Now;
using mervik::bench::Pump;
using mervik::bench::Report;

namespace {

// The menu is on the screen and painted once its loop first runs out of
// messages: the owner then hears WM_ENTERIDLE. The menu is closed there.
double g_menuShown = 0;

LRESULT CALLBACK WatchMenu(int code, WPARAM wp, LPARAM lp) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call->message == WM_ENTERIDLE && call->wParam == MSGF_MENU &&
        g_menuShown == 0) {
        g_menuShown = Now();
        EndMenu();
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// Two profiles of the same mode that differ in every caption and state the
// page shows.
void MakeProfilesDiffer(SharedSettingsBlock& image) {
    ProfileRecord& other = image.Profiles[1];
    for (int slot = 0; slot < kSlotCount; ++slot)
        other.Buttons[slot].Function = slot % 2 ? 52 : 1;
    for (int level = 0; level < kDpiStageCount; ++level)
        other.CpiLevel_X[level] = 12 - level;
    other.LightSwitch = 3;
    other.PollingRate = 0;
    other.Cpi_X = 5;
}

} // namespace

int main(int argc, char** argv) {
    if (!mervik::bench::StartPageBench(argc, argv, "button_page_bench_win"))
        return 2;
    // The captions are lan.dll's texts, beside the benchmark.
    win::LanguageLibrary language;
    if (!language.Load(ProgramFolder())) {
        fprintf(stderr, "no lan.dll beside the benchmark\n");
        return 1;
    }

    auto working = std::make_unique<SharedSettingsBlock>();
    CreateImage(*working);
    ResetAllProfiles(*working);
    MakeProfilesDiffer(*working);
    MacroList macros;

    CButtonPage page;
    page.Bind(ButtonPageHost{working.get(), &macros,
                             [&language](unsigned id) { return language.Text(id); }});
    HWND parent = mervik::bench::ShowPage(page, *working);
    if (!parent)
        return 1;

    std::vector<double> refreshes;
    for (int round = 0; round < 40; ++round) {
        working->CurrentProfile = round % 2;
        const double start = Now();
        page.Refresh(*working);
        refreshes.push_back(Now() - start);
        Pump();
    }
    Report("whole page shown for another profile", refreshes);
    // The mode flipped: sixteen buttons hidden and sixteen shown.
    std::vector<double> modes;
    for (int round = 0; round < 40; ++round) {
        working->Profiles[0].ModeStatus = round % 2 ? 2 : 1;
        working->CurrentProfile = 0;
        const double start = Now();
        page.Refresh(*working);
        modes.push_back(Now() - start);
        Pump();
    }
    Report("the same profile in the other mode", modes);
    working->Profiles[0].ModeStatus = 1;
    working->CurrentProfile = 0;
    page.Refresh(*working);
    Pump();

    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchMenu, nullptr, GetCurrentThreadId());
    std::vector<double> opens, choices;
    HWND button = page.ButtonAt(5)->Hwnd(); // slot 4
    for (int round = 0; round < 30; ++round) {
        g_menuShown = 0;
        // The reopen guard wants 200 ms between a menu's closing and a click.
        Sleep(210);
        const double start = Now();
        SendMessageA(page.Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        if (g_menuShown > 0)
            opens.push_back(g_menuShown - start);
        Pump();

        const unsigned item = round % 2 ? kTextDoubleClick : kTextTripleClick;
        const double chosen = Now();
        SendMessageA(page.Hwnd(), WM_COMMAND, MAKEWPARAM(item, 0), 0);
        choices.push_back(Now() - chosen);
        Pump();
    }
    UnhookWindowsHookEx(hook);
    if (opens.empty()) {
        fprintf(stderr, "the menu never reported itself on the screen\n");
        return 1;
    }
    Report("click on a function button to its menu shown", opens);
    Report("menu choice to the new caption painted", choices);
    page.Destroy();
    DestroyWindow(parent);
    OleUninitialize();
    return 0;
}
