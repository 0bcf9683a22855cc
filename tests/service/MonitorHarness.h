#pragma once
// A service core in a fresh program folder with the default settings, a
// simulated mouse and in-memory surroundings. The test's thread plays the
// hidden window: Pump hands the mouse's notifications and the worker's results
// to the core.
#include <memory>
#include <vector>

#include "service/core/MonitorConstants.h"
#include "service/core/MonitorCore.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "tests/service/MonitorFakes.h"
#include "tests/settings/TempFolder.h"
#include "tests/support/FakeRegistryStore.h"

namespace mervik::testing {

struct MonitorHarness {
    TempFolder folder;
    InstantClock clock;
    LockedMouseLink mouse;
    DeviceConnection connection{mouse, clock};
    FakeWorkerResults results;
    FakeSharedBlock block;
    FakeWindows windows;
    FakeNotifier notifier;
    FakeTimers timers;
    FakePointerSystem pointer;
    FakeRegistryStore registry;
    FakeProcesses processes;
    FakeLauncher launcher;
    FakeTrace trace;
    FakeTexts texts;
    std::unique_ptr<MonitorCore> core;

    MonitorHarness() {
        auto image = std::make_unique<SharedSettingsBlock>();
        CreateImage(*image);
        ResetAllProfiles(*image);
        SaveAll(*image, folder.Folder());
        core = std::make_unique<MonitorCore>(MonitorPorts{connection, results, block, windows,
                                                          notifier, timers, pointer, registry,
                                                          processes, launcher, trace, texts},
                                             folder.Folder());
    }

    // The hidden window's creation, with or without the mouse, up to the
    // worker's answer that the mouse is open.
    void Start(bool mousePresent = true, bool openOption = false) {
        if (!mousePresent)
            mouse.With([](sim::SimulatedMouse& m) { m.Unplug(); });
        mouse.TakeNotifications();
        core->LoadSettings();
        core->PublishSettings();
        core->StartWorker();
        core->ConnectAtStart(openOption);
        Settle();
    }

    // Delivers what the library and the worker would have posted to the
    // window; false when there was nothing.
    bool Pump() {
        const std::vector<sim::Notification> notifications = mouse.TakeNotifications();
        for (const sim::Notification& n : notifications) {
            if (n.kind == sim::Notification::Event)
                core->OnDeviceEvent(n.wParam, n.lParam);
            else
                core->OnDeviceChange(n.wParam);
        }
        const std::vector<WorkerResult> delivered = results.Take();
        for (const WorkerResult& result : delivered)
            core->OnWorkerResult(result);
        return !notifications.empty() || !delivered.empty();
    }

    // Until the worker is idle and the window's queue empty.
    void Settle() {
        do
            core->WaitForWorker();
        while (Pump());
    }

    // Option's Apply: change the block, then message 1224.
    template <typename Fn> void Apply(Fn edit) {
        block.Edit(edit);
        core->OnApplyAllSetting();
    }

    const sim::MouseMemory Memory() {
        return mouse.With([](sim::SimulatedMouse& m) { return m.Memory(); });
    }
    void ClearLog() {
        mouse.With([](sim::SimulatedMouse& m) { m.ClearLog(); });
    }
};

} // namespace mervik::testing
