#include "service/core/WorkerQueue.h"

#include <algorithm>

namespace mervik {

bool IsUploadRequest(const WorkerRequest& request) {
    return request.kind == WorkerTask::Upload || request.kind == WorkerTask::RepeatOwedUpload;
}

WorkerRequest* WorkerQueue::WaitingUpload() {
    auto it = std::find_if(requests_.begin(), requests_.end(), IsUploadRequest);
    return it == requests_.end() ? nullptr : &*it;
}

void WorkerQueue::Push(const WorkerRequest& request) {
    WorkerRequest* waiting = IsUploadRequest(request) ? WaitingUpload() : nullptr;
    if (!waiting) {
        requests_.push_back(request);
        return;
    }
    if (request.kind == WorkerTask::Upload)
        waiting->kind = WorkerTask::Upload;
    waiting->answersOption = waiting->answersOption || request.answersOption;
}

std::optional<WorkerRequest> WorkerQueue::Pop() {
    if (requests_.empty())
        return std::nullopt;
    WorkerRequest front = requests_.front();
    requests_.pop_front();
    return front;
}

bool WorkerQueue::HandOver(const WorkerRequest& stopped) {
    WorkerRequest* waiting = WaitingUpload();
    if (!waiting)
        return false;
    // The stopped upload left the mouse part-way: the one waiting must send
    // the whole profile, owed or not.
    waiting->kind = WorkerTask::Upload;
    waiting->answersOption = waiting->answersOption || stopped.answersOption;
    return true;
}

bool WorkerQueue::UploadWaiting() const {
    return std::any_of(requests_.begin(), requests_.end(), IsUploadRequest);
}

bool WorkerQueue::RemovalWaiting() const {
    return std::any_of(requests_.begin(), requests_.end(), [](const WorkerRequest& request) {
        return request.kind == WorkerTask::Removal;
    });
}

} // namespace mervik
