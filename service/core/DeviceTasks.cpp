#include "service/core/DeviceTasks.h"

#include <chrono>
#include <memory>
#include <string>

#include "contract/MouseStatus.h"
#include "device/DpiReadBack.h"
#include "device/ReportEncoder.h"
#include "device/SettingsReports.h"
#include "device/UploadExecutor.h"
#include "device/UploadProgress.h"
#include "protocol/DeviceMessages.h"
#include "protocol/DeviceReports.h"
#include "service/core/BoundaryCheck.h"
#include "service/core/MonitorConstants.h"

namespace mervik {

namespace {

// The window hears of an upload's way in steps of this size, some twenty a
// whole upload.
constexpr int kProgressStepPercent = 5;

} // namespace

void DeviceTasks::Run(const WorkerRequest& request) {
    switch (request.kind) {
    case WorkerTask::Connect:
        Connect();
        return;
    case WorkerTask::Arrival:
        Arrive();
        return;
    case WorkerTask::Removal:
        Remove();
        return;
    default:
        break;
    }
    if (!connection_.IsPresent()) {
        // Applied settings that never reached the mouse are owed to it.
        if (request.kind == WorkerTask::Upload) {
            uploadOwed_ = true;
            Deliver(WorkerResultKind::UploadOwed);
        }
        if (request.answersOption)
            Deliver(WorkerResultKind::ApplyDone);
        return;
    }
    switch (request.kind) {
    case WorkerTask::Upload:
        Upload(request);
        break;
    case WorkerTask::ReadBack:
        ReadBack();
        SendFixedReport();
        break;
    case WorkerTask::RepeatOwedUpload:
        if (uploadOwed_)
            Upload(request);
        break;
    case WorkerTask::SendLevel:
        SendLevel();
        break;
    default:
        break;
    }
}

// The mouse may need a moment after opening before it answers; the start-up
// read-back is timed from the end of that moment.
void DeviceTasks::Connect() {
    const bool present = connection_.Open();
    if (present) {
        Clock& clock = connection_.GetClock();
        WaitUntil(clock, clock.Now() + std::chrono::milliseconds(monitor::kSettleAfterOpenMs));
    }
    Deliver(WorkerResultKind::Connected, present ? 1 : 0);
}

// The connection waits for the mouse to settle and reopens it; then the two
// read-backs an arrival makes, the second with the fixed report, and behind
// them the repeat of an upload that the removal cut short or that was applied
// while the mouse was away.
void DeviceTasks::Arrive() {
    if (connection_.OnConnectionEvent(kConnectionArrived) != ConnectionChange::Arrived)
        return;
    Deliver(WorkerResultKind::Arrived);
    ReadBack();
    ReadBack();
    SendFixedReport();
    worker_.Post({WorkerTask::RepeatOwedUpload});
}

void DeviceTasks::Remove() {
    if (connection_.OnConnectionEvent(kConnectionRemoved) == ConnectionChange::Removed)
        Deliver(WorkerResultKind::Removed);
}

// An upload stops between two groups when a newer one waits: that one sends
// the whole of the profile current by then, so the mouse ends with it, and
// takes over this one's answer to Option and its result. It stops there too
// when the mouse's removal waits, and is then owed to the next arrival.
void DeviceTasks::Upload(const WorkerRequest& request) {
    uploadOwed_ = false;
    int index = -1;
    if (std::unique_ptr<ProfileRecord> profile = ProfileToSend(index)) {
        Deliver(WorkerResultKind::UploadStarted);
        const UploadPlan plan = EncodeUpload(*profile);
        const UploadProgress progress(plan);
        int told = 0;
        const UploadResult result = ExecuteUpload(
            plan, connection_,
            [this] { return worker_.UploadWaiting() || worker_.RemovalWaiting(); },
            [&](size_t step) {
                const int percent = progress.PercentAfter(step);
                if (percent < told + kProgressStepPercent)
                    return;
                told = percent;
                Deliver(WorkerResultKind::UploadProgress, percent);
            });
        if (result.stopped && worker_.HandOver(request)) {
            uploadOwed_ = true; // until the newer one has run
            return;
        }
        ReportUpload(result, {index, profile->Cpi_X + 1});
    } else {
        Deliver(WorkerResultKind::UploadFailed, static_cast<int32_t>(NotSentReason::NoProfile));
    }
    if (request.answersOption)
        Deliver(WorkerResultKind::ApplyDone);
}

// A removal reported only after the last transfer may still have lost it. A
// transfer the mouse refused while it stays is the window's to try again.
void DeviceTasks::ReportUpload(const UploadResult& result, const LevelInMouse& sent) {
    if (result.completed && !worker_.RemovalWaiting()) {
        Deliver(WorkerResultKind::UploadDone, LevelWord(sent));
        return;
    }
    uploadOwed_ = true;
    if (worker_.RemovalWaiting() || !connection_.IsPresent()) {
        trace_.Trace("Upload cut short, owed to the next arrival\n");
        Deliver(WorkerResultKind::UploadOwed);
        return;
    }
    trace_.Trace("Upload failed after " + std::to_string(result.transfersSent) + " transfers\n");
    Deliver(WorkerResultKind::UploadFailed, static_cast<int32_t>(NotSentReason::Refused));
}

// Only while the mouse holds the rest of the profile and no whole upload,
// which carries the level too, is on its way.
void DeviceTasks::SendLevel() {
    if (uploadOwed_ || worker_.UploadWaiting())
        return;
    int index = -1;
    std::unique_ptr<ProfileRecord> profile = ProfileToSend(index);
    if (!profile)
        return;
    UploadPlan plan;
    plan.Feature(ActiveDpiLevelReport(*profile));
    plan.Pause(wire::kPauseAfterStep);
    const UploadResult result = ExecuteUpload(plan, connection_);
    if (result.completed) {
        Deliver(WorkerResultKind::LevelSent, LevelWord({index, profile->Cpi_X + 1}));
        return;
    }
    trace_.Trace("Send active level failed\n");
    ReportUpload(result, {});
}

// A level read back just now is the mouse's, and the window's thread is
// about to take it into the profile: what is sent keeps it too, so the mouse
// and the profile agree.
std::unique_ptr<ProfileRecord> DeviceTasks::ProfileToSend(int& index) {
    const ProfileSnapshot latest = profile_.Latest();
    if (!latest.profile)
        return nullptr;
    auto profile = std::make_unique<ProfileRecord>(*latest.profile);
    if (latest.readBacksTaken < lastLevelSent_)
        profile->Cpi_X = lastLevel_ - 1;
    CheckedAtTheBoundary(*profile, "upload", trace_);
    index = latest.index;
    return profile;
}

// While an upload is owed the mouse still holds the old level, and the
// profile's is the one the user applied.
void DeviceTasks::ReadBack() {
    const ReadBackResult result = ReadBackActiveDpiLevel(connection_, nullptr);
    const bool take = result.outcome == ReadBackOutcome::Read && !uploadOwed_;
    if (!Deliver(WorkerResultKind::ReadBack, take ? result.level : 0))
        return;
    ++readBacksSent_;
    if (take) {
        lastLevelSent_ = readBacksSent_;
        lastLevel_ = result.level;
    }
}

void DeviceTasks::SendFixedReport() {
    if (!connection_.Link().SendFeature(FixedReport()))
        trace_.Trace("Send fixed report failed\n");
}

// A result the window never gets is at least in the trace.
bool DeviceTasks::Deliver(WorkerResultKind kind, int32_t value) {
    if (results_.Deliver({kind, value}))
        return true;
    trace_.Trace("Device worker: a result did not reach the window\n");
    return false;
}

} // namespace mervik
