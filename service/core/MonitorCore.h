#pragma once
// Everything Monitor decides, apart from any window: what each message, device
// event, timer and worker result does. The hidden window translates Win32
// messages into these calls; the device worker runs the requests.
//
// Threads: every member is called on the window's thread, which owns the
// working block, the files, the registry and every message to other programs.
// The device worker owns the mouse (DeviceTasks): the window's thread only
// posts it requests, hands it the active profile as snapshots and takes its
// results back as messages, so it never waits on the mouse.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "device/DeviceConnection.h"
#include "service/core/ActiveProfileSnapshot.h"
#include "service/core/DeviceTasks.h"
#include "service/core/DeviceWorker.h"
#include "service/core/MonitorPorts.h"
#include "service/core/TrayMenu.h"
#include "service/core/UploadStatus.h"
#include "settings/LoadNotes.h"
#include "settings/OsdSettings.h"
#include "settings/RegistryStore.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

struct MonitorPorts {
    DeviceConnection& connection; // the device worker's alone once it runs
    WorkerResults& results;       // the worker's way back to the window's thread
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
    // The worker opens the mouse; its result brings the icon, timers, Device,
    // pointer settings and companions.
    void ConnectAtStart(bool openOption);
    // Shutdown: timers, Option and companions closed, worker ended, mouse closed.
    void Shutdown();

    // Messages to the hidden window.
    void OnApplyAllSetting();
    void OnReloadSetting();
    void OnReloadWindowsSetting();
    void OnCopyData(uintptr_t dwData, std::span<const uint8_t> payload);
    void OnCustomizer();
    // The user's "send again", from the tray menu or Option's Retry: a whole
    // upload with tries of its own.
    void OnSendAgain();
    // Option asks where the settings are: the status, and the progress of an
    // upload under way.
    void OnAskMouseStatus();
    void OnDeviceEvent(uintptr_t eventClass, intptr_t eventValue);
    void OnDeviceChange(uintptr_t wParam);
    // False for a timer that is not the service's.
    bool OnTimer(unsigned id);
    // The tray menu as it is now, and the user's choice of a profile in it.
    std::vector<TrayMenuItem> TrayMenu();
    void OnProfileChosen(int index);

    // What the device worker reports back (kMsgWorkerResult).
    void OnWorkerResult(const WorkerResult& result);

    // For the shell and the tests.
    ConnectionState State() const { return connection_.State(); }
    std::unique_ptr<SharedSettingsBlock> WorkingCopy() const;
    bool UploadOwed() const { return tasks_.UploadOwed(); }
    MouseStatus UploadState() const { return upload_.Status(); }
    void WaitForWorker() { worker_.WaitIdle(); }
    size_t WorkerBacklog() { return worker_.Waiting(); }

private:
    void DispatchDeviceEvent(uint32_t event);
    void Connected(bool present);
    void Arrived();
    void Removed();
    void TakeReadBack(int level);
    void OnUploadResult(const WorkerResult& result);
    void UploadFailed(NotSentReason reason);
    void TryAgain();
    // The mouse's own button steps from the level the mouse holds: one
    // pressed while an upload overwrote that level left the files with a
    // level the mouse does not hold, so the mouse gets the files' level.
    void FollowLevelInMouse(const LevelInMouse& sent);
    // Option and the tip hear of every change of the status.
    void TellMouseStatus();
    void PostProgress();
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
    ChangeWorkingCopy(const std::function<bool(SharedSettingsBlock&)>& change);
    std::unique_ptr<SharedSettingsBlock>
    ChangeCurrentProfile(const std::function<void(ProfileRecord&)>& change);
    // After every change of the working block: the worker's next upload
    // sends the profile as it is now.
    void WorkingChanged();
    void TraceNotes(const LoadNotes& notes);
    void ApplyPointer();
    std::unique_ptr<SharedSettingsBlock> PublishWorkingBlock();
    void Publish(const SharedSettingsBlock& image);
    // Another program held the mutex: the block stays behind the working
    // copy until timer 504 finds it free (PublishAgain).
    void PublishLater();
    void PublishAgain();
    // The block holds the working copy or newer: no retry is needed.
    void CaughtUp();
    // What the block held when this service last read or wrote it.
    void Known(const SharedSettingsBlock& block);

    // A change asks for an upload: it gets tries of its own, and a retry
    // still waiting is dropped for it.
    bool RequestUpload(bool answersOption = false);
    void SendApplyDone(bool afterUpload);

    void ShowNotice(const std::string& text);
    void HideNotice();
    void TraceShowOsd();
    void PostToOption(unsigned message, uintptr_t wParam = 0);
    void TellOptionOfChange(const SharedSettingsBlock& previous);
    void PostToOsd(unsigned message, uintptr_t wParam, intptr_t lParam);
    bool WriteOsdMessage(const std::string& text);
    // The display's record as last read; read again while the file has none
    // (the display writes its defaults only after Monitor has started it).
    const OsdSettings& Osd();
    void ReadOsd();
    // Stores `text` for the display and has it shown.
    void ShowOnDisplay(const std::string& text);
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

    std::unique_ptr<SharedSettingsBlock> working_;
    std::unique_ptr<SharedSettingsBlock> known_; // null until the block was reached
    bool blockBehind_ = false;
    OsdSettings osd_;
    bool osdRead_ = false;
    std::string tip_;
    std::string lastForeground_;
    bool openOptionAtStart_ = false;
    uint32_t readBacksTaken_ = 0; // the worker's read-back results handled
    UploadStatus upload_;

    // The one thing that crosses to the worker besides its requests.
    ActiveProfileSnapshot snapshot_;
    DeviceWorker worker_;
    DeviceTasks tasks_;
};

} // namespace mervik
