#pragma once
// The device worker's queue. Requests run in the order posted, except that at
// most one upload ever waits: an upload posted while another is waiting is
// merged into it, since every upload sends the profile that is current when it
// starts. A user switching back and forth between programs therefore never
// builds a backlog, and the mouse always ends with the latest profile.
#include <cstddef>
#include <deque>
#include <optional>

namespace mervik {

// What the device worker is asked to do; each one is the mouse's business.
enum class WorkerTask {
    Connect,  // start-up: open the mouse and give it a moment to settle
    Arrival,  // the library reported the mouse back
    Removal,  // the library reported it gone
    Upload,   // send the current profile whole
    ReadBack, // ask the mouse for its DPI level, then send the fixed report
    // Queued by the worker behind an arrival's read-backs: the upload is sent
    // only when one is owed (cut short, or applied while the mouse was away).
    RepeatOwedUpload,
    // The active level of the current profile again, after the mouse's own
    // button was pressed while an upload overwrote the level it stepped from.
    SendLevel,
};

struct WorkerRequest {
    WorkerTask kind = WorkerTask::Upload;
    // Option waits for message 1258 once this upload is done (an Apply).
    bool answersOption = false;
};

// Uploads (unconditional) and repeats of an owed upload (only when one is
// owed) are the requests that send a whole profile.
bool IsUploadRequest(const WorkerRequest& request);

// Not guarded: the worker holds its lock around every call.
class WorkerQueue {
public:
    // Appends `request`, or merges an upload into the one already waiting:
    // the merged request keeps the waiting one's place, uploads
    // unconditionally if either did and answers Option if either would.
    void Push(const WorkerRequest& request);
    std::optional<WorkerRequest> Pop();

    // An upload stopped early for the waiting one hands on its duty to answer
    // Option; false when no upload waits.
    bool HandOver(const WorkerRequest& stopped);

    bool UploadWaiting() const;
    bool RemovalWaiting() const;
    bool Empty() const { return requests_.empty(); }
    size_t Size() const { return requests_.size(); }

private:
    WorkerRequest* WaitingUpload();

    std::deque<WorkerRequest> requests_;
};

} // namespace mervik
