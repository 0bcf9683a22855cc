#pragma once
// The device worker: one thread that takes requests from its queue (in the
// order posted, uploads merged; see WorkerQueue) and hands each to the
// service's device tasks, so that nothing the mouse needs, its transfers or
// its settling waits, ever holds up the window's thread.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "service/core/WorkerQueue.h"

namespace mervik {

class DeviceWorker {
public:
    using Handler = std::function<void(const WorkerRequest&)>;

    explicit DeviceWorker(Handler handler) : handler_(std::move(handler)) {}
    ~DeviceWorker() { Stop(); }
    DeviceWorker(const DeviceWorker&) = delete;
    DeviceWorker& operator=(const DeviceWorker&) = delete;

    bool Start();
    // Queues a request; false when the worker is not running.
    bool Post(const WorkerRequest& request);
    // Lets the requests already queued finish, then ends the thread.
    void Stop();
    // Returns once every request posted so far has been handled.
    void WaitIdle();

    // For the upload running on the worker: whether a newer one or the
    // mouse's removal waits, and handing its duties on to a newer one when it
    // stops early.
    bool UploadWaiting();
    bool RemovalWaiting();
    bool HandOver(const WorkerRequest& stopped);
    // Requests waiting, the running one not counted.
    size_t Waiting();

private:
    void Run();

    Handler handler_;
    std::mutex mutex_;
    std::condition_variable changed_;
    WorkerQueue queue_;
    bool running_ = false;
    bool stopping_ = false;
    bool busy_ = false;
    std::thread thread_;
};

} // namespace mervik
