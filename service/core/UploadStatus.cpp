#include "service/core/UploadStatus.h"

namespace mervik {

std::optional<unsigned> RetryDelayMs(uint8_t triesMade) {
    if (triesMade >= kUploadTries)
        return std::nullopt;
    constexpr unsigned kFirstDelayMs = 1000;
    return kFirstDelayMs << (triesMade > 0 ? triesMade - 1 : 0);
}

// What the mouse lacks when it goes stays owed to its arrival; the repeat
// then gets tries of its own.
void UploadStatus::Connected(bool connected) {
    status_.connected = connected;
    status_.tries = 0;
    if (!connected && status_.holding != MouseHolding::Current)
        Owed();
}

void UploadStatus::Requested() {
    status_.tries = 0;
}

void UploadStatus::Started() {
    status_.holding = MouseHolding::Sending;
    status_.reason = NotSentReason::None;
    if (status_.tries < 0xFF)
        ++status_.tries;
    percent_ = 0;
}

void UploadStatus::Progress(int percent) {
    if (status_.holding == MouseHolding::Sending && percent >= 0 && percent <= 100)
        percent_ = percent;
}

void UploadStatus::Done() {
    status_.holding = MouseHolding::Current;
    status_.reason = NotSentReason::None;
    status_.tries = 0;
    percent_ = 100;
}

void UploadStatus::Owed() {
    status_.holding = MouseHolding::Owed;
    status_.reason = NotSentReason::None;
}

// Without a current profile another try would send nothing either.
std::optional<unsigned> UploadStatus::Failed(NotSentReason reason) {
    if (reason == NotSentReason::Refused) {
        if (std::optional<unsigned> delay = RetryDelayMs(status_.tries)) {
            status_.holding = MouseHolding::Retrying;
            status_.reason = reason;
            return delay;
        }
    }
    status_.holding = MouseHolding::NotSent;
    status_.reason = reason;
    return std::nullopt;
}

// Without a current profile, again would send nothing.
bool UploadStatus::SendAgainOffered() const {
    if (!status_.connected)
        return false;
    return status_.holding == MouseHolding::Retrying ||
           (status_.holding == MouseHolding::NotSent && status_.reason == NotSentReason::Refused);
}

bool UploadStatus::MouseLacksSettings() const {
    return !status_.connected || status_.holding != MouseHolding::Current;
}

} // namespace mervik
