#include "service/core/MonitorCore.h"

#include <cstring>

#include "contract/ProgramMessages.h"
#include "lang/TextIds.h"
#include "protocol/DeviceMessages.h"
#include "protocol/ReportRate.h"
#include "service/core/BoundaryCheck.h"
#include "service/core/DeviceNotices.h"
#include "service/core/ForegroundMatch.h"
#include "service/core/MonitorConstants.h"
#include "service/core/NoticeText.h"
#include "service/core/PointerApply.h"
#include "service/core/ProfileLabels.h"
#include "settings/ConfigFile.h"
#include "settings/FilePaths.h"
#include "settings/FileSystem.h"
#include "settings/IniFile.h"
#include "settings/PointerSettings.h"
#include "settings/ProfileCheck.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsKeys.h"

namespace mervik {

using namespace monitor;

namespace {

constexpr int kLastDpiLevel = 6;
constexpr int kLastReportInterval = 8;

} // namespace

MonitorCore::MonitorCore(const MonitorPorts& ports, std::string programFolder)
    : connection_(ports.connection), block_(ports.block), windows_(ports.windows),
      notifier_(ports.notifier), timers_(ports.timers), pointer_(ports.pointer),
      registry_(ports.registry), processes_(ports.processes), launcher_(ports.launcher),
      trace_(ports.trace), texts_(ports.texts), programFolder_(std::move(programFolder)),
      configPath_(ConfigFilePath(programFolder_)),
      working_(std::make_unique<SharedSettingsBlock>()),
      worker_([this](const WorkerRequest& request) { tasks_.Run(request); }),
      tasks_(ports.connection, worker_, snapshot_, ports.results, ports.trace) {
    CreateImage(*working_);
    WorkingChanged();
}

MonitorCore::~MonitorCore() {
    worker_.Stop();
}

// ---- start-up and shutdown ----

void MonitorCore::LoadSettings() {
    CreateImage(*working_);
    // A file that cannot be read costs only its own profile, which takes its
    // defaults in memory; save all never writes over such a file. What loaded
    // stays as it is.
    LoadNotes notes;
    if (!LoadAll(*working_, programFolder_, &registry_, &notes))
        trace_.Trace("Load settings: a file could not be read; the others are kept\n");
    TraceNotes(notes);
    WorkingChanged();
    ReadOsd();
}

void MonitorCore::PublishSettings() {
    PublishWorkingBlock();
}

bool MonitorCore::StartWorker() {
    return worker_.Start();
}

void MonitorCore::ConnectAtStart(bool openOption) {
    openOptionAtStart_ = openOption;
    if (!worker_.Post({WorkerTask::Connect}))
        Connected(false);
}

// The start-up read-back is timed from the moment the mouse has settled. The
// icon comes either way, greyed without the mouse: its menu is how the user
// reaches the service.
void MonitorCore::Connected(bool present) {
    upload_.Connected(present);
    ShowProfileTip();
    notifier_.AddIcon();
    notifier_.ShowConnected(present);
    if (present) {
        timers_.Start(kTimerForeground, kForegroundPeriodMs);
        timers_.Start(kTimerStartReadBack, kStartReadBackDelayMs);
        if (openOptionAtStart_)
            OnCustomizer();
    }
    TellMouseStatus();
    WriteDeviceFlag(present);
    ApplyPointer();
    for (const char* program : kCompanionPrograms)
        launcher_.Open(programFolder_ + program);
}

// Once the worker has ended, the mouse is this thread's to close.
void MonitorCore::Shutdown() {
    timers_.Stop(kTimerForeground);
    timers_.Stop(kTimerStartReadBack);
    timers_.Stop(kTimerUploadRetry);
    timers_.Stop(kTimerBlockRetry);
    timers_.Stop(kTimerBalloon);
    CloseWindow(kOptionCaption);
    for (const char* caption : kCompanionCaptions)
        CloseWindow(caption);
    worker_.Stop();
    connection_.Close();
}

// ---- messages ----

// Another program (Option's Apply, or a command line tool) may also have
// made another profile current: that is a switch like any other, announced
// before the upload that carries it.
void MonitorCore::OnApplyAllSetting() {
    const int before = CurrentIndex();
    ReloadBlock();
    ApplyPointer();
    ReadOsd();
    auto x = static_cast<uint16_t>(osd_.NoticeX());
    auto y = static_cast<uint16_t>(osd_.NoticeY());
    PostToOsd(kMsgOsdMove, 0, static_cast<intptr_t>(static_cast<uint32_t>(x) << 16 | y));
    FollowReload(before);
    // Settings applied while the mouse is away are owed to its arrival (the
    // worker keeps the debt), and Option is answered at once.
    const bool present = connection_.IsPresent();
    if (RequestUpload(present) && present)
        return;
    SendApplyDone(false);
}

void MonitorCore::OnReloadSetting() {
    const int before = CurrentIndex();
    const auto previous = WorkingCopy();
    ReloadBlock();
    if (FollowReload(before))
        RequestUpload();
    else
        TellOptionOfChange(*previous);
}

void MonitorCore::OnReloadWindowsSetting() {
    const int before = CurrentIndex();
    const auto previous = WorkingCopy();
    ReloadBlock();
    ApplyPointer();
    if (FollowReload(before))
        RequestUpload();
    else
        TellOptionOfChange(*previous);
}

// An open Option would otherwise send its older copy back at its next Apply,
// undoing what the other program changed.
void MonitorCore::TellOptionOfChange(const SharedSettingsBlock& previous) {
    if (std::memcmp(&previous, working_.get(), sizeof previous) != 0)
        PostToOption(kMsgProfileSwitched, kBlockChangedElsewhere);
}

void MonitorCore::OnCopyData(uintptr_t dwData, std::span<const uint8_t> payload) {
    if (dwData != kCopyDataNotice)
        return;
    // A text that could not be stored is not announced: the display would
    // show the one before it.
    if (WriteOsdMessage(NoticeTextOf(payload)) && connection_.IsPresent())
        PostToOsd(kMsgOsdShow, kOsdShowText, 0);
}

void MonitorCore::OnCustomizer() {
    trace_.Trace("CMonitorWnd OnCustomizer\n");
    if (ProgramWindows::Handle option = windows_.Find(kOptionCaption)) {
        windows_.Activate(option);
        trace_.Trace("CMonitorWnd OnCustomizer hWnd!=NULL\n");
        return;
    }
    launcher_.Open(programFolder_ + kOptionProgram);
    trace_.Trace("CMonitorWnd OnCustomizer hWnd==NULL\n");
}

void MonitorCore::OnSendAgain() {
    if (!upload_.Status().connected) {
        TellMouseStatus(); // owed to the arrival already
        return;
    }
    trace_.Trace("Upload asked for again\n");
    RequestUpload();
}

void MonitorCore::OnAskMouseStatus() {
    TellMouseStatus();
    if (upload_.Status().holding == MouseHolding::Sending)
        PostProgress();
}

void MonitorCore::OnDeviceEvent(uintptr_t eventClass, intptr_t eventValue) {
    DispatchDeviceEvent(
        MakeDeviceEvent(static_cast<uint16_t>(eventClass), static_cast<uint16_t>(eventValue)));
}

void MonitorCore::OnDeviceChange(uintptr_t wParam) {
    if (auto event = ConnectionEventOfChange(wParam))
        DispatchDeviceEvent(*event);
}

bool MonitorCore::OnTimer(unsigned id) {
    switch (id) {
    case kTimerForeground:
        CheckForeground();
        return true;
    case kTimerStartReadBack:
        timers_.Stop(kTimerStartReadBack);
        worker_.Post({WorkerTask::ReadBack});
        return true;
    case kTimerUploadRetry:
        timers_.Stop(kTimerUploadRetry);
        TryAgain();
        return true;
    case kTimerBlockRetry:
        PublishAgain();
        return true;
    case kTimerBalloon:
        timers_.Stop(kTimerBalloon);
        HideNotice();
        return true;
    default:
        return false;
    }
}

std::vector<TrayMenuItem> MonitorCore::TrayMenu() {
    const TrayMenuTexts texts{texts_.Text(kTextTrayOpenOption), texts_.Text(kTextTrayExit),
                              texts_.Text(kTextUnnamedProfile), texts_.Text(kTextTraySendAgain)};
    return TrayMenuItems(*WorkingCopy(), texts, upload_.SendAgainOffered());
}

// Choosing the profile already current changes nothing.
void MonitorCore::OnProfileChosen(int index) {
    if (index < 0 || index >= kProfileCount || index == CurrentIndex())
        return;
    SwitchToProfile(index, true);
}

// ---- device events ----

void MonitorCore::DispatchDeviceEvent(uint32_t event) {
    const auto eventClass = static_cast<uint16_t>(event >> 16);
    const int value = static_cast<int>(event & 0xFFFF);
    const auto group = static_cast<uint8_t>(eventClass >> 8);
    if (eventClass == kEventClassConnection) {
        // The worker decides what is a repeat, in the order the changes came.
        if (value == kConnectionArrived)
            worker_.Post({WorkerTask::Arrival});
        if (value == kConnectionRemoved)
            worker_.Post({WorkerTask::Removal});
    } else if (group == kEventGroupDpiLevel && value >= 1 && value <= kLastDpiLevel) {
        OnDpiLevel(value);
    } else if (group == kEventGroupReportRate && value >= 1 && value <= kLastReportInterval) {
        OnReportInterval(value);
    }
}

// ---- the device worker's results ----

void MonitorCore::OnWorkerResult(const WorkerResult& result) {
    switch (result.kind) {
    case WorkerResultKind::Connected:
        Connected(result.value != 0);
        break;
    case WorkerResultKind::Arrived:
        Arrived();
        break;
    case WorkerResultKind::Removed:
        Removed();
        break;
    case WorkerResultKind::ReadBack:
        TakeReadBack(result.value);
        break;
    case WorkerResultKind::ApplyDone:
        SendApplyDone(true);
        break;
    case WorkerResultKind::UploadStarted:
    case WorkerResultKind::UploadProgress:
    case WorkerResultKind::UploadDone:
    case WorkerResultKind::UploadFailed:
    case WorkerResultKind::UploadOwed:
    case WorkerResultKind::LevelSent:
        OnUploadResult(result);
        break;
    default:
        break;
    }
}

void MonitorCore::Arrived() {
    upload_.Connected(true);
    notifier_.ShowConnected(true);
    WriteDeviceFlag(true);
    timers_.Start(kTimerForeground, kForegroundPeriodMs);
    TellMouseStatus();
}

// Option stays open: its edits are the user's work, and Apply saves them for
// the mouse's return.
void MonitorCore::Removed() {
    upload_.Connected(false);
    notifier_.ShowConnected(false);
    timers_.Stop(kTimerForeground);
    timers_.Stop(kTimerUploadRetry);
    WriteDeviceFlag(false);
    TellMouseStatus();
}

void MonitorCore::OnUploadResult(const WorkerResult& result) {
    switch (result.kind) {
    case WorkerResultKind::UploadStarted:
        upload_.Started();
        TellMouseStatus();
        PostProgress();
        return;
    case WorkerResultKind::UploadProgress:
        upload_.Progress(result.value);
        PostProgress();
        return;
    case WorkerResultKind::UploadDone:
        upload_.Done();
        TellMouseStatus();
        FollowLevelInMouse(LevelOfWord(result.value));
        return;
    case WorkerResultKind::UploadFailed:
        UploadFailed(result.value == static_cast<int32_t>(NotSentReason::NoProfile)
                         ? NotSentReason::NoProfile
                         : NotSentReason::Refused);
        return;
    case WorkerResultKind::UploadOwed:
        upload_.Owed();
        TellMouseStatus();
        return;
    case WorkerResultKind::LevelSent:
        FollowLevelInMouse(LevelOfWord(result.value));
        return;
    default:
        return;
    }
}

// A newer upload already queued is the next try by itself; a mouse gone
// meanwhile gets the upload on its arrival.
void MonitorCore::UploadFailed(NotSentReason reason) {
    if (worker_.UploadWaiting() || !upload_.Status().connected)
        return;
    const std::optional<unsigned> delay = upload_.Failed(reason);
    const int tries = upload_.Status().tries;
    if (delay) {
        trace_.Trace("Upload try " + std::to_string(tries) + " of " + std::to_string(kUploadTries) +
                     " failed; again in " + std::to_string(*delay) + " ms\n");
        timers_.Start(kTimerUploadRetry, *delay);
    } else if (reason == NotSentReason::Refused) {
        trace_.Trace("Upload failed " + std::to_string(tries) +
                     " times; the mouse keeps its previous settings\n");
    } else {
        trace_.Trace("Upload: no current profile to send\n");
    }
    TellMouseStatus();
}

void MonitorCore::TryAgain() {
    if (!upload_.Status().connected || upload_.Status().holding != MouseHolding::Retrying)
        return;
    trace_.Trace("Upload try " + std::to_string(upload_.Status().tries + 1) + " of " +
                 std::to_string(kUploadTries) + "\n");
    worker_.Post({WorkerTask::Upload});
}

// The level sent belongs to the profile current when it was sent; after a
// switch since, that profile's own upload is on its way. The posted value is
// checked like any outside input.
void MonitorCore::FollowLevelInMouse(const LevelInMouse& sent) {
    const ProfileRecord* active = working_->ActiveProfile();
    if (!active || sent.profile != CurrentIndex() || sent.level < 1 || sent.level > kLastDpiLevel)
        return;
    if (active->Cpi_X + 1 == sent.level)
        return;
    trace_.Trace("The mouse's level changed during an upload; sending level " +
                 std::to_string(active->Cpi_X + 1) + " again\n");
    worker_.Post({WorkerTask::SendLevel});
}

void MonitorCore::TellMouseStatus() {
    ShowProfileTip();
    const MouseStatusWords words = EncodeMouseStatus(upload_.Status());
    if (ProgramWindows::Handle option = windows_.Find(kOptionCaption))
        windows_.Post(option, kMsgMouseStatus, words.wParam, words.lParam);
}

void MonitorCore::PostProgress() {
    if (ProgramWindows::Handle option = windows_.Find(kOptionCaption))
        windows_.Post(option, kMsgUploadProgress, static_cast<uintptr_t>(upload_.Percent()), 0);
}

void MonitorCore::OnDpiLevel(int level) {
    int32_t cpiLevel = 0;
    std::string osdText;
    auto image = ChangeCurrentProfile([&](ProfileRecord& profile) {
        profile.Cpi_X = level - 1;
        cpiLevel = ActiveCpiLevel(profile);
        osdText = OsdDpiText(profile);
    });
    if (!image)
        return;
    SaveFiles(*image, nullptr);
    TraceShowOsd();
    PostToOption(kMsgMouseChangedLevel);
    if (Osd().ShowsDpiNotices())
        ShowOnDisplay(osdText);
    ShowNotice(DpiBalloonText(cpiLevel));
}

void MonitorCore::OnReportInterval(int intervalMs) {
    int32_t pollingRate = 0;
    auto image = ChangeCurrentProfile([&](ProfileRecord& profile) {
        if (const auto rate = wire::RateOfInterval(intervalMs))
            profile.PollingRate = rate->pollingRate;
        pollingRate = profile.PollingRate;
    });
    if (!image)
        return;
    SaveFiles(*image, nullptr);
    TraceShowOsd();
    PostToOption(kMsgMouseChangedLevel);
    // The display's DPI switch stands for both of the mouse's own buttons.
    if (Osd().ShowsDpiNotices())
        ShowOnDisplay(OsdRateText(pollingRate));
    ShowNotice(RateBalloonText(pollingRate));
}

// A program switches the profile when it comes to the front, not again on
// every check while it stays there: a profile the user chooses meanwhile (in
// the tray menu, in Option, from the command line) holds until another
// program comes to the front.
void MonitorCore::CheckForeground() {
    if (!connection_.IsPresent())
        return;
    std::optional<std::string> executable = processes_.ForegroundExecutable();
    if (!executable || *executable == lastForeground_)
        return;
    lastForeground_ = *executable;
    const std::optional<int> match = ProfileForProgram(*working_, *executable);
    if (!match || *match == working_->CurrentProfile)
        return;
    SwitchToProfile(*match, false);
}

// The switch starts from the block's contents, as a change from the mouse
// does, so settings Option has written and not yet announced are kept. A
// choice in the menu is the user's own and is kept in config.ini too.
void MonitorCore::SwitchToProfile(int index, bool chosenInMenu) {
    auto image = ChangeImage([index](SharedSettingsBlock& block) {
        block.CurrentProfile = index;
        return true;
    });
    if (!image)
        return;
    // First, so the mouse is not kept waiting for the disk and the desktop.
    RequestUpload();
    if (WritePointerSettings(image->Profiles[index], registry_) != 1)
        trace_.Trace("Write pointer settings failed\n");
    ApplyPointer();
    if (chosenInMenu)
        SaveFiles(*image, nullptr);
    AnnounceProfile(index, !chosenInMenu);
}

void MonitorCore::AnnounceProfile(int index, bool balloon) {
    PostToOption(kMsgProfileSwitched);
    if (Osd().ShowsProfileNotices())
        PostToOsd(kMsgOsdShow, kOsdShowProfile,
                  static_cast<intptr_t>(static_cast<uint32_t>(index) << 16));
    ShowProfileTip();
    if (balloon)
        ShowNotice(ActiveProfileName());
}

std::string MonitorCore::ActiveProfileName() {
    const std::string unnamed = texts_.Text(kTextUnnamedProfile);
    const ProfileRecord* profile = working_->ActiveProfile();
    return profile ? ProfileDisplayName(*profile, working_->CurrentProfile, unnamed)
                   : std::string();
}

// The tip changes with the current profile and with its name, and says when
// the mouse does not hold the current settings.
void MonitorCore::ShowProfileTip() {
    std::string tip = TrayTipText(texts_.Text(kTextTipWithProfile), texts_.Text(kTextTrayTip),
                                  ActiveProfileName());
    const MouseStatus status = upload_.Status();
    if (!status.connected)
        tip = TipWithState(texts_.Text(kTextTipNoMouse), tip);
    else if (status.holding == MouseHolding::Sending || status.holding == MouseHolding::Retrying)
        tip = TipWithState(texts_.Text(kTextTipSending), tip);
    else if (status.holding != MouseHolding::Current)
        tip = TipWithState(texts_.Text(kTextTipNotInMouse), tip);
    if (tip == tip_)
        return;
    tip_ = std::move(tip);
    notifier_.SetTip(tip_);
}

int MonitorCore::CurrentIndex() const {
    return working_->CurrentProfile;
}

bool MonitorCore::FollowReload(int before) {
    const int now = CurrentIndex();
    if (now == before || now < 0 || now >= kProfileCount) {
        ShowProfileTip();
        return false;
    }
    AnnounceProfile(now, true);
    return true;
}

// ---- the working block ----

std::unique_ptr<SharedSettingsBlock> MonitorCore::WorkingCopy() const {
    return std::make_unique<SharedSettingsBlock>(*working_);
}

void MonitorCore::WorkingChanged() {
    snapshot_.Publish(*working_, readBacksTaken_);
}

void MonitorCore::ReloadBlock() {
    auto fresh = std::make_unique<SharedSettingsBlock>();
    if (!block_.Read(*fresh)) {
        trace_.Trace("Read shared block failed\n");
        return;
    }
    Known(*fresh);
    CaughtUp(); // what was announced replaces the service's unwritten change
    // Any program may write the block and announce it: its profiles pass the
    // files' check before anything uses them.
    TraceNotes(CheckImageProfiles(*fresh));
    *working_ = *fresh;
    WorkingChanged();
}

// A change the mouse made to the current profile (its buttons, the read-back)
// starts from the block's contents, not from the working copy: Option may have
// written newer settings whose 1224 is still queued behind this event, and
// they must not be overwritten with older ones. Block and working copy take
// the result; without the block the working copy is changed as before.
std::unique_ptr<SharedSettingsBlock>
MonitorCore::ChangeCurrentProfile(const std::function<void(ProfileRecord&)>& change) {
    return ChangeImage([&](SharedSettingsBlock& image) {
        ProfileRecord* profile = image.ActiveProfile();
        if (!profile)
            return false;
        change(*profile);
        return true;
    });
}

// Returns nothing when `change` refused (no current profile to change).
std::unique_ptr<SharedSettingsBlock>
MonitorCore::ChangeImage(const std::function<bool(SharedSettingsBlock&)>& change) {
    // A block still behind is brought up first: the change starts from it.
    if (blockBehind_)
        PublishAgain();
    if (blockBehind_)
        return ChangeWorkingCopy(change);
    auto image = std::make_unique<SharedSettingsBlock>();
    bool reached = false;
    LoadNotes repaired;
    const bool written = block_.Update([&](SharedSettingsBlock& block) {
        reached = true;
        repaired = CheckImageProfiles(block);
        if (!change(block))
            return false;
        *image = block;
        return true;
    });
    TraceNotes(repaired);
    if (written) {
        Known(*image);
        *working_ = *image;
        WorkingChanged();
        return image;
    }
    if (reached)
        return nullptr; // no current profile to change
    return ChangeWorkingCopy(change);
}

// The block's mutex is held elsewhere: the change is made to the working copy
// and written into the block once the mutex is free. A second wait on the
// same holder now would only keep the window longer.
std::unique_ptr<SharedSettingsBlock>
MonitorCore::ChangeWorkingCopy(const std::function<bool(SharedSettingsBlock&)>& change) {
    trace_.Trace("Shared block unavailable; the change starts from the service's copy\n");
    if (!change(*working_))
        return nullptr;
    WorkingChanged();
    PublishLater();
    return WorkingCopy();
}

std::unique_ptr<SharedSettingsBlock> MonitorCore::PublishWorkingBlock() {
    auto image = WorkingCopy();
    Publish(*image);
    return image;
}

void MonitorCore::Publish(const SharedSettingsBlock& image) {
    if (block_.Write(image)) {
        Known(image);
        CaughtUp();
        return;
    }
    trace_.Trace("Write shared block failed\n");
    PublishLater();
}

void MonitorCore::PublishLater() {
    if (blockBehind_)
        return;
    blockBehind_ = true;
    timers_.Start(kTimerBlockRetry, kBlockRetryMs);
}

// The block is written again once its mutex is free, and Option follows it.
// A block another program wrote meanwhile is newer than this service's
// change: it is taken instead, as if announced.
void MonitorCore::PublishAgain() {
    bool reached = false;
    const bool written = block_.Update([&](SharedSettingsBlock& block) {
        reached = true;
        if (known_ && std::memcmp(&block, known_.get(), sizeof block) != 0)
            return false;
        block = *working_;
        return true;
    });
    if (!reached)
        return; // still held: the timer tries again
    CaughtUp();
    if (!written) {
        trace_.Trace("Shared block changed by another program meanwhile; taken\n");
        OnReloadSetting();
        return;
    }
    trace_.Trace("Shared block written again\n");
    Known(*working_);
    PostToOption(kMsgProfileSwitched);
}

void MonitorCore::CaughtUp() {
    if (!blockBehind_)
        return;
    blockBehind_ = false;
    timers_.Stop(kTimerBlockRetry);
}

void MonitorCore::Known(const SharedSettingsBlock& block) {
    if (!known_)
        known_ = std::make_unique<SharedSettingsBlock>();
    *known_ = block;
}

// The system calls run on a checked copy; only the one field the step may
// change goes back into the working block.
void MonitorCore::ApplyPointer() {
    ProfileRecord* active = working_->ActiveProfile();
    if (!active)
        return;
    auto profile = std::make_unique<ProfileRecord>(*active);
    CheckedAtTheBoundary(*profile, "pointer settings", trace_);
    ApplyPointerSettings(*profile, registry_, pointer_);
    active->Acceleration = profile->Acceleration;
    WorkingChanged();
}

// ---- device worker ----

// The worker has ended only at shutdown; nothing more reaches the mouse then.
bool MonitorCore::RequestUpload(bool answersOption) {
    upload_.Requested();
    timers_.Stop(kTimerUploadRetry);
    return worker_.Post({WorkerTask::Upload, answersOption});
}

// While an upload is owed the worker gives no level: the mouse still holds
// the old one, and the profile's is the one the user applied. A level outside
// the six the mouse has is not taken either. The files and Option follow
// either way.
void MonitorCore::TakeReadBack(int level) {
    const bool take = level >= 1 && level <= kLastDpiLevel;
    ++readBacksTaken_;
    auto image = ChangeCurrentProfile([&](ProfileRecord& profile) {
        if (take)
            profile.Cpi_X = level - 1;
    });
    if (!image) {
        image = WorkingCopy();
        Publish(*image);
        WorkingChanged();
    }
    SaveFiles(*image, &registry_);
    PostToOption(kMsgDpiReadBack);
}

// The trace tells an answer after the worker's upload from one given at once.
void MonitorCore::SendApplyDone(bool afterUpload) {
    if (ProgramWindows::Handle option = windows_.Find(kOptionCaption))
        windows_.Post(option, kMsgApplyDone, 0, 0);
    else
        trace_.Trace("OnApplyAllSetting Don't find Mervik Option\n");
    trace_.Trace(afterUpload ? "Thread Send Enable OK/Apply Button\n"
                             : "OnApplyAllSetting  Send Enable OK/Apply Button\n");
}

// ---- notices and other programs ----

void MonitorCore::ShowNotice(const std::string& text) {
    notifier_.ShowBalloon(text, "", kBalloonInfoFlags, kNoticeTimeoutMs);
    timers_.Start(kTimerBalloon, kBalloonPeriodMs);
}

// Hiding does not arm the timer again: an empty balloon every second for the
// rest of the session would only keep the service awake.
void MonitorCore::HideNotice() {
    notifier_.ShowBalloon("", "", kBalloonInfoFlags, kHideTimeoutMs);
}

void MonitorCore::TraceShowOsd() {
    const auto osd = static_cast<long long>(windows_.Find(kOsdCaption));
    trace_.Trace("Show OSD " + std::to_string(static_cast<int>(osd)) + "\n");
}

void MonitorCore::PostToOption(unsigned message, uintptr_t wParam) {
    if (ProgramWindows::Handle option = windows_.Find(kOptionCaption))
        windows_.Post(option, message, wParam, 0);
}

void MonitorCore::PostToOsd(unsigned message, uintptr_t wParam, intptr_t lParam) {
    if (ProgramWindows::Handle osd = windows_.Find(kOsdCaption))
        windows_.Post(osd, message, wParam, lParam);
}

void MonitorCore::CloseWindow(const char* caption) {
    if (ProgramWindows::Handle window = windows_.Find(caption))
        windows_.Post(window, kMsgClose, 0, 0);
}

void MonitorCore::ReadOsd() {
    osdRead_ = ReadOsdSettings(configPath_, osd_);
}

const OsdSettings& MonitorCore::Osd() {
    if (!osdRead_)
        ReadOsd();
    return osd_;
}

void MonitorCore::ShowOnDisplay(const std::string& text) {
    if (WriteOsdMessage(text))
        PostToOsd(kMsgOsdShow, kOsdShowText, 0);
}

bool MonitorCore::WriteOsdMessage(const std::string& text) {
    if (IniFile(configPath_).WriteText(keys::kOsdDataSection, keys::kOsdMessageKey, text))
        return true;
    trace_.Trace("Write OSD message failed\n");
    return false;
}

// A change the mouse made is kept in the files too, so that it survives a
// restart without the mouse. Without a registry, the registry keeps what the
// last save wrote.
void MonitorCore::SaveFiles(const SharedSettingsBlock& image, RegistryStore* registry) {
    fs::SaveLock lock;
    if (!lock.Held()) {
        trace_.Trace("Save settings files skipped: another program holds the save lock\n");
        return;
    }
    if (!SaveAll(image, programFolder_, registry))
        trace_.Trace("Save settings files failed\n");
}

void MonitorCore::TraceNotes(const LoadNotes& notes) {
    for (const std::string& note : notes)
        trace_.Trace(note + "\n");
}

void MonitorCore::WriteDeviceFlag(bool present) {
    if (!WriteDevice(configPath_, present ? 1 : 0))
        trace_.Trace("Write Device key failed\n");
}

} // namespace mervik
