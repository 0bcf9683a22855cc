// The macro page's own time under Wine, in process with the real page and
// skin: from a captured key to the step list showing its row (the page's
// handling and the repaint it causes), while a recording grows to 50 steps;
// and loading a macro of 50 steps with pauses into the list.
//   macro_page_bench_win.exe SKIN_FOLDER
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/PageBenchWin32.h"
#include "settings/ProfileDefaults.h"
#include "ui/win32/capture/KeyCapture.h"
#include "ui/win32/pages/CAdvanceSettingPage.h"

using namespace mervik;
using namespace mervik::ui;
using mervik::bench::Now;
using mervik::bench::Pump;
using mervik::bench::Report;

namespace {

MacroRecord FiftyStepsWithPauses() {
    MacroRecord record = NewMacroRecord("Bench");
    record.RepeatCount = 1;
    for (int i = 0; i < kMaxMacroEvents; ++i)
        record.Events[record.EventCount++] = {static_cast<uint8_t>(4 + i / 2),
                                              static_cast<uint8_t>(i % 2 ? 2 : 1),
                                              static_cast<uint16_t>(10 * (i + 1))};
    return record;
}

} // namespace

int main(int argc, char** argv) {
    if (!mervik::bench::StartPageBench(argc, argv, "macro_page_bench_win"))
        return 2;

    auto working = std::make_unique<SharedSettingsBlock>();
    CreateImage(*working);
    ResetAllProfiles(*working);
    auto applied = std::make_unique<SharedSettingsBlock>(*working);
    MacroList macros;
    macros.Append(FiftyStepsWithPauses());

    CAdvanceSettingPage page;
    page.Bind(AdvancePageHost{working.get(), applied.get(), &macros, nullptr, {}, {}, {}, {}, {}});
    HWND parent = mervik::bench::ShowPage(page, *working);
    if (!parent)
        return 1;

    std::vector<double> loads;
    for (int round = 0; round < 30; ++round) {
        const double start = Now();
        page.ReloadMacros(); // selects and loads the 50-step macro
        RedrawWindow(page.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        loads.push_back(Now() - start);
        Pump();
    }
    Report("load a 50-step macro with pauses", loads);

    // Record the macro anew (Record starts from no steps) and feed it 50 keys.
    std::vector<double> keys;
    for (int round = 0; round < 5; ++round) {
        page.ReloadMacros();
        PostMessageA(page.Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(page.ButtonAt(15)->Hwnd()));
        Pump();
        for (int i = 0; i < kMaxMacroEvents && page.Recording(); ++i) {
            const double start = Now();
            SendMessageA(page.Hwnd(), kMsgCapturedKey, 'A' + (i / 2) % 26,
                         i % 2 ? kCapturedKeyUp : 0);
            RedrawWindow(page.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            if (i >= 40)
                keys.push_back(Now() - start);
        }
        Pump();
    }
    Report("captured key to its row (steps 41 to 50)", keys);
    printf("keyboard captured after the 50th step: %s\n", KeyCaptureActive() ? "yes" : "no");
    page.Destroy();
    DestroyWindow(parent);
    OleUninitialize();
    return 0;
}
