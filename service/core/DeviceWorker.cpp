#include "service/core/DeviceWorker.h"

namespace mervik {

bool DeviceWorker::Start() {
    std::lock_guard lock(mutex_);
    if (running_)
        return true;
    stopping_ = false;
    thread_ = std::thread([this] { Run(); });
    running_ = true;
    return true;
}

bool DeviceWorker::Post(const WorkerRequest& request) {
    {
        std::lock_guard lock(mutex_);
        if (!running_ || stopping_)
            return false;
        queue_.Push(request);
    }
    changed_.notify_all();
    return true;
}

void DeviceWorker::Stop() {
    {
        std::lock_guard lock(mutex_);
        if (!running_)
            return;
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
    std::lock_guard lock(mutex_);
    running_ = false;
}

void DeviceWorker::WaitIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !running_ || (queue_.Empty() && !busy_); });
}

bool DeviceWorker::UploadWaiting() {
    std::lock_guard lock(mutex_);
    return queue_.UploadWaiting();
}

bool DeviceWorker::RemovalWaiting() {
    std::lock_guard lock(mutex_);
    return queue_.RemovalWaiting();
}

bool DeviceWorker::HandOver(const WorkerRequest& stopped) {
    std::lock_guard lock(mutex_);
    return queue_.HandOver(stopped);
}

size_t DeviceWorker::Waiting() {
    std::lock_guard lock(mutex_);
    return queue_.Size();
}

void DeviceWorker::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !queue_.Empty(); });
        std::optional<WorkerRequest> next = queue_.Pop();
        if (!next)
            return; // stopping, and nothing left to do
        WorkerRequest request = *next;
        busy_ = true;
        lock.unlock();
        handler_(request);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

} // namespace mervik
