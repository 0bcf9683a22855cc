#pragma once
// What the device worker does with each request: every call into the mouse's
// library, every transfer and every wait the mouse needs, on the worker alone.
// What follows for the rest of the service goes back to the window's thread
// as results (WorkerResult).
#include <atomic>
#include <memory>

#include "device/DeviceConnection.h"
#include "device/UploadExecutor.h"
#include "service/core/ActiveProfileSnapshot.h"
#include "service/core/DeviceWorker.h"
#include "service/core/MonitorPorts.h"

namespace mervik {

class DeviceTasks {
public:
    DeviceTasks(DeviceConnection& connection, DeviceWorker& worker,
                const ActiveProfileSnapshot& profile, WorkerResults& results, TraceSink& trace)
        : connection_(connection), worker_(worker), profile_(profile), results_(results),
          trace_(trace) {}
    DeviceTasks(const DeviceTasks&) = delete;
    DeviceTasks& operator=(const DeviceTasks&) = delete;

    void Run(const WorkerRequest& request);

    // An upload the mouse did not get whole, to be repeated on its arrival.
    bool UploadOwed() const { return uploadOwed_; }

private:
    void Connect();
    void Arrive();
    void Remove();
    void Upload(const WorkerRequest& request);
    // Tells the window how an upload ended that was not handed over.
    void ReportUpload(const UploadResult& result, const LevelInMouse& sent);
    void SendLevel();
    // The latest active profile as the mouse is to get it; nothing when no
    // profile is active.
    std::unique_ptr<ProfileRecord> ProfileToSend(int& index);
    void ReadBack();
    void SendFixedReport();
    bool Deliver(WorkerResultKind kind, int32_t value = 0);

    DeviceConnection& connection_;
    DeviceWorker& worker_;
    const ActiveProfileSnapshot& profile_;
    WorkerResults& results_;
    TraceSink& trace_;
    // Changed on the worker only; atomic so that the tests may look.
    std::atomic<bool> uploadOwed_{false};
    // The read-back results the window was sent, and the last one that gave
    // it a level to take.
    uint32_t readBacksSent_ = 0;
    uint32_t lastLevelSent_ = 0; // its number among them; 0: none yet
    int lastLevel_ = 0;
};

} // namespace mervik
