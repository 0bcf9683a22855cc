#pragma once
// Whether the mouse holds the settings the service made current, as the
// window's thread learns it from the device worker's results, and when a
// failed upload is tried again. A mouse that refuses a transfer may only be
// busy: the upload gets kUploadTries tries, spaced further apart each time,
// before the user is told it was not sent.
#include <cstdint>
#include <optional>

#include "contract/MouseStatus.h"

namespace mervik {

// How long to wait before the next try, after `triesMade` failed ones;
// nothing once the tries are spent.
std::optional<unsigned> RetryDelayMs(uint8_t triesMade);

class UploadStatus {
public:
    MouseStatus Status() const { return status_; }
    int Percent() const { return percent_; }

    void Connected(bool connected);
    // A change asked for an upload (a switch, an Apply, the user's "again"):
    // it gets tries of its own.
    void Requested();
    void Started();
    void Progress(int percent);
    void Done();
    void Owed();
    // A try failed while the mouse stays: the delay before the next one, or
    // nothing when the status is now NotSent.
    std::optional<unsigned> Failed(NotSentReason reason);

    // The user is offered to send again while the mouse is there and does not
    // hold the settings, nor is being sent them.
    bool SendAgainOffered() const;
    // The mouse lacks the current settings, or is away.
    bool MouseLacksSettings() const;

private:
    MouseStatus status_{};
    int percent_ = 0;
};

} // namespace mervik
