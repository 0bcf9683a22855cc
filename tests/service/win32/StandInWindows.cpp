#include "tests/service/win32/StandInWindows.h"

#include "contract/ProgramMessages.h"

namespace mervik::testing {

namespace {

constexpr char kClass[] = "MervikStandIn";
StandInWindows* g_self = nullptr; // one set of stand-ins per test process

} // namespace

constexpr UINT kMsgRun = WM_APP;
constexpr UINT kMsgFlush = WM_APP + 1;

StandInWindows::StandInWindows(OnClose onClose) : onClose_(onClose) {
    g_self = this;
    std::unique_lock lock(mutex_);
    thread_ = std::thread([this] { Loop(); });
    changed_.wait(lock, [this] { return threadId_ != 0; });
}

StandInWindows::~StandInWindows() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    g_self = nullptr;
}

void StandInWindows::Loop() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &StandInWindows::Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassA(&windowClass);
    HWND option = CreateWindowExA(0, kClass, kOptionCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200,
                                  150, 320, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND osd = CreateWindowExA(0, kClass, kOsdCaption, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               windowClass.hInstance, nullptr);
    {
        std::lock_guard lock(mutex_);
        option_ = option;
        osd_ = osd;
        threadId_ = GetCurrentThreadId();
    }
    changed_.notify_all();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!message.hwnd && message.message == kMsgRun) {
            reinterpret_cast<void (*)(HWND)>(message.wParam)(option_);
            continue;
        }
        if (!message.hwnd && message.message == kMsgFlush) {
            {
                std::lock_guard lock(mutex_);
                ++flushesDone_;
            }
            changed_.notify_all();
            continue;
        }
        DispatchMessageA(&message);
    }
    if (IsWindow(option))
        DestroyWindow(option);
    DestroyWindow(osd);
}

void StandInWindows::OnThread(void (*fn)(HWND option)) {
    PostThreadMessageA(threadId_, kMsgRun, reinterpret_cast<WPARAM>(fn), 0);
}

void StandInWindows::Flush() {
    std::unique_lock lock(mutex_);
    const unsigned ticket = ++flushesPosted_;
    PostThreadMessageA(threadId_, kMsgFlush, 0, 0);
    changed_.wait(lock, [&] { return flushesDone_ >= ticket; });
}

LRESULT CALLBACK StandInWindows::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_self && message >= WM_USER)
        g_self->Record(window, message, wParam, lParam);
    if (g_self && message == WM_CLOSE) {
        g_self->Record(window, message, wParam, lParam);
        if (g_self->onClose_ == OnClose::Close)
            DestroyWindow(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void StandInWindows::Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    {
        std::lock_guard lock(mutex_);
        received_.push_back({window == option_ ? "option" : "osd", message, wParam, lParam});
    }
    changed_.notify_all();
}

std::vector<Received> StandInWindows::Of(UINT message) {
    std::lock_guard lock(mutex_);
    std::vector<Received> found;
    for (const Received& r : received_)
        if (r.message == message)
            found.push_back(r);
    return found;
}

bool StandInWindows::WaitFor(UINT message, size_t count, DWORD timeoutMs) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        size_t n = 0;
        for (const Received& r : received_)
            n += r.message == message;
        return n >= count;
    });
}

std::vector<MouseStatus> StandInWindows::Statuses() {
    std::vector<MouseStatus> statuses;
    for (const Received& r : Of(kMsgMouseStatus))
        if (std::optional<MouseStatus> status = DecodeMouseStatus(r.wParam, r.lParam))
            statuses.push_back(*status);
    return statuses;
}

bool StandInWindows::WaitForStatus(const std::function<bool(const MouseStatus&)>& wanted,
                                   DWORD timeoutMs) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        for (const Received& r : received_) {
            if (r.message != kMsgMouseStatus)
                continue;
            std::optional<MouseStatus> status = DecodeMouseStatus(r.wParam, r.lParam);
            if (status && wanted(*status))
                return true;
        }
        return false;
    });
}

void StandInWindows::Clear() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

} // namespace mervik::testing
