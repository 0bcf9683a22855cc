#pragma once
// The device worker: one thread that takes requests in the order they were
// posted and hands each to the service, so that uploads and read-backs never
// hold up the window's thread.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace mervik {

struct WorkerRequest {
    uintptr_t kind = 0;  // what to do (wParam)
    intptr_t detail = 0; // carried along (lParam)
};

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

private:
    void Run();

    Handler handler_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<WorkerRequest> queue_;
    bool running_ = false;
    bool stopping_ = false;
    bool busy_ = false;
    std::thread thread_;
};

} // namespace mervik
