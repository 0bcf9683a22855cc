#include "ui/win32/main/BlockHandOver.h"

namespace mervik::ui {

// Without a block (Monitor started after Option) Monitor still hears of the
// files, as before.
BlockHandOver::Outcome BlockHandOver::HandOver(const SharedSettingsBlock& image) {
    if (link_.Attached() && !link_.Write(image)) {
        owed_ = true;
        monitor_ = nullptr;
        SetTimer(owner_, kRetryTimer, kRetryMs, nullptr);
        return Outcome::Owed;
    }
    StopRetrying();
    monitor_ = win::WakeMonitor();
    return monitor_ ? Outcome::Posted : Outcome::NoMonitor;
}

bool BlockHandOver::Retry(const SharedSettingsBlock& image, Outcome& outcome) {
    if (!owed_) {
        StopRetrying(); // a tick left over from a hand-over made since
        return false;
    }
    if (!link_.Write(image))
        return false;
    StopRetrying();
    monitor_ = win::WakeMonitor();
    outcome = monitor_ ? Outcome::Posted : Outcome::NoMonitor;
    return true;
}

bool BlockHandOver::LastTry(const SharedSettingsBlock& image) {
    Outcome outcome;
    const bool done = !owed_ || Retry(image, outcome);
    StopRetrying();
    return done;
}

void BlockHandOver::StopRetrying() {
    owed_ = false;
    KillTimer(owner_, kRetryTimer);
}

} // namespace mervik::ui
