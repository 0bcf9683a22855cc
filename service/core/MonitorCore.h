#pragma once
// Everything Monitor decides, apart from any window: what each message, device
// event, timer and worker request does. The hidden window translates Win32
// messages into these calls; the device worker runs the requests.
//
// Threads: every member except RunRequest is called on the window's thread;
// RunRequest runs on the device worker. The working block is shared between
// them and guarded: the worker encodes a copy taken under the lock, so a
// profile is never uploaded half replaced.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "device/DeviceConnection.h"
#include "service/core/DeviceWorker.h"
#include "service/core/MonitorPorts.h"
#include "service/core/TrayMenu.h"
#include "settings/LoadNotes.h"
#include "settings/OsdSettings.h"
#include "settings/RegistryStore.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

struct MonitorPorts {
    DeviceConnection& connection;
    SharedBlock& block;
    ProgramWindows& windows;
    Notifier& notifier;
    TimerService& timers;
    PointerSystem& pointer;
    RegistryStore& registry; // the mouse key stays open for the pointer step
    ProcessLister& processes;
    ProgramLauncher& launcher;
    TraceSink& trace;
    TextSource& texts;
};

class MonitorCore {
public:
    // `programFolder` ends with a separator; every file is named from it.
    MonitorCore(const MonitorPorts& ports, std::string programFolder);
    ~MonitorCore();
    MonitorCore(const MonitorCore&) = delete;
    MonitorCore& operator=(const MonitorCore&) = delete;

    // Start-up, in this order.
    void LoadSettings();    // files into the working block; OSD settings
    void PublishSettings(); // working block into the shared block
    bool StartWorker();
    void ConnectAtStart(bool openOption); // mouse, icon, timers, Device, pointer, companions
    // Shutdown: timers, Option and companions closed, worker ended, mouse closed.
    void Shutdown();

    // Messages to the hidden window.
    void OnApplyAllSetting(intptr_t lParam);
    void OnReloadSetting();
    void OnReloadWindowsSetting();
    void OnCopyData(uintptr_t dwData, std::span<const uint8_t> payload);
    void OnCustomizer();
    void OnDeviceEvent(uintptr_t eventClass, intptr_t eventValue);
    void OnDeviceChange(uintptr_t wParam);
    // False for a timer that is not the service's.
    bool OnTimer(unsigned id);
    // The tray menu as it is now, and the user's choice of a profile in it.
    std::vector<TrayMenuItem> TrayMenu();
    void OnProfileChosen(int index);

    // The device worker's side.
    void RunRequest(const WorkerRequest& request);

    // For the shell and the tests.
    ConnectionState State() const { return connection_.State(); }
    std::unique_ptr<SharedSettingsBlock> WorkingCopy() const;
    bool UploadOwed() const { return uploadOwed_; }
    void WaitForWorker() { worker_.WaitIdle(); }
    size_t WorkerBacklog() { return worker_.Waiting(); }

private:
    void DispatchDeviceEvent(uint32_t event);
    void Arrived();
    void Removed();
    void OnDpiLevel(int level);
    void OnReportInterval(int intervalMs);
    void CheckForeground();
    // Every switch reaches the mouse: the new profile is uploaded behind it.
    void SwitchToProfile(int index, bool chosenInMenu);
    // What follows any change of the current profile: Option and the display
    // are told, the tip names the profile, and a balloon does unless the user
    // chose it in the menu.
    void AnnounceProfile(int index, bool balloon);
    void ShowProfileTip();
    std::string ActiveProfileName();
    int CurrentIndex() const;

    void ReloadBlock();
    // After the block was read again: a changed current profile is a switch.
    bool FollowReload(int before);
    std::unique_ptr<SharedSettingsBlock>
    ChangeImage(const std::function<bool(SharedSettingsBlock&)>& change);
    std::unique_ptr<SharedSettingsBlock>
    ChangeCurrentProfile(const std::function<void(ProfileRecord&)>& change);
    void TraceNotes(const LoadNotes& notes);
    void CheckedAtTheBoundary(ProfileRecord& profile, const char* boundary);
    void ApplyPointer();
    std::unique_ptr<SharedSettingsBlock> PublishWorkingBlock();
    void Publish(const SharedSettingsBlock& image);
    std::unique_ptr<ProfileRecord> ActiveProfileCopy() const;

    void PostUpload(intptr_t detail, bool answersOption);
    void Upload(const WorkerRequest& request);
    void ReadBack();
    void SendFixedReport();
    void SendApplyDone(bool fromWorker);

    void ShowNotice(const std::string& text);
    void HideNotice();
    void TraceShowOsd();
    void PostToOption(unsigned message);
    void PostToOsd(unsigned message, uintptr_t wParam, intptr_t lParam);
    void WriteOsdMessage(const std::string& text);
    void WriteDeviceFlag(bool present);
    // Each failed write leaves a trace line; the service carries on.
    void SaveFiles(const SharedSettingsBlock& image, RegistryStore* registry);
    void CloseWindow(const char* caption);

    DeviceConnection& connection_;
    SharedBlock& block_;
    ProgramWindows& windows_;
    Notifier& notifier_;
    TimerService& timers_;
    PointerSystem& pointer_;
    RegistryStore& registry_;
    ProcessLister& processes_;
    ProgramLauncher& launcher_;
    TraceSink& trace_;
    TextSource& texts_;

    const std::string programFolder_;
    const std::string configPath_;

    mutable std::mutex workingMutex_;
    std::unique_ptr<SharedSettingsBlock> working_;
    // Files and registry are written from both threads; one at a time, so no
    // write replaces a file another has just changed.
    std::mutex storeMutex_;
    OsdSettings osd_;            // the window's thread only
    std::string tip_;            // the window's thread only
    std::string lastForeground_; // the window's thread only
    std::atomic<bool> uploadOwed_{false};
    DeviceWorker worker_;
};

} // namespace mervik
