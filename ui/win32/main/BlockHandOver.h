#pragma once
// Apply's hand-over of the saved settings to Monitor: the whole image into the
// shared block, then 1224 to Monitor's window. Any program may hold the
// block's mutex for as long as it likes; the hand-over then waits on a timer
// of Option's window instead of in it, and is made as soon as the mutex is
// free, so what Apply saved always reaches Monitor while Option runs.
#include <windows.h>

#include "settings/SharedSettingsBlock.h"
#include "win32/SharedBlockLinkWin32.h"

namespace mervik::ui {

class BlockHandOver {
public:
    enum class Outcome {
        Posted,    // the block is written and Monitor told
        NoMonitor, // no Monitor to tell (the block, if any, is written)
        Owed,      // the mutex is held elsewhere: the timer tries again
    };

    // The owner's timer 504 drives the retries; the owner hands each tick to
    // Retry.
    static constexpr UINT_PTR kRetryTimer = 504;
    static constexpr UINT kRetryMs = 500;

    BlockHandOver(win::SharedBlockLink& link, HWND owner) : link_(link), owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    // A newer hand-over replaces one still owed.
    Outcome HandOver(const SharedSettingsBlock& image);
    // On the retry timer: the outcome once the owed image went out, nothing
    // while the mutex is still held.
    bool Retry(const SharedSettingsBlock& image, Outcome& outcome);
    bool Owed() const { return owed_; }
    // Monitor's window as last told; null when none was found.
    HWND Monitor() const { return monitor_; }
    // The owner is closing: one last try, then no more timer.
    bool LastTry(const SharedSettingsBlock& image);

private:
    void StopRetrying();

    win::SharedBlockLink& link_;
    HWND owner_;
    HWND monitor_ = nullptr;
    bool owed_ = false;
};

} // namespace mervik::ui
