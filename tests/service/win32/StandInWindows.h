#pragma once
// Windows that stand in for Option and the on-screen display: top-level
// windows with their captions, on a thread of their own, that record every
// message Monitor posts to them. Option's closes on WM_CLOSE, as Option does,
// unless the test needs it to keep receiving after being asked to close.
#include <windows.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "contract/MouseStatus.h"

namespace mervik::testing {

struct Received {
    std::string window; // "option" or "osd"
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class StandInWindows {
public:
    enum class OnClose { Close, StayOpen };
    explicit StandInWindows(OnClose onClose = OnClose::Close);
    ~StandInWindows();
    StandInWindows(const StandInWindows&) = delete;
    StandInWindows& operator=(const StandInWindows&) = delete;

    HWND Option() const { return option_; }
    HWND Osd() const { return osd_; }
    // The messages received so far whose number is `message`.
    std::vector<Received> Of(UINT message);
    // Waits up to `timeoutMs` for `count` messages numbered `message`.
    bool WaitFor(UINT message, size_t count, DWORD timeoutMs);
    // Waits up to `timeoutMs` for a mouse status told to Option that `wanted`
    // accepts; the statuses told so far, in order.
    bool WaitForStatus(const std::function<bool(const MouseStatus&)>& wanted, DWORD timeoutMs);
    std::vector<MouseStatus> Statuses();
    void Clear();
    // Runs `fn` on the windows' thread.
    void OnThread(void (*fn)(HWND option));
    // Returns once every message posted to the windows before the call has
    // been handled.
    void Flush();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Loop();
    void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Received> received_;
    OnClose onClose_;
    unsigned flushesPosted_ = 0;
    unsigned flushesDone_ = 0;
    HWND option_ = nullptr;
    HWND osd_ = nullptr;
    DWORD threadId_ = 0;
    std::thread thread_;
};

} // namespace mervik::testing
