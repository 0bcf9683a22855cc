#include "hiddriver/win32/LibraryThread.h"

#include <memory>

namespace mervik::win {

namespace {

struct StartData {
    LibraryThread::Body body;
    HANDLE stop;
    HMODULE module;
};

} // namespace

DWORD WINAPI LibraryThread::Run(void* param) {
    HMODULE module = nullptr;
    {
        std::unique_ptr<StartData> start(static_cast<StartData*>(param));
        module = start->module;
        start->body(start->stop);
    }
    FreeLibraryAndExitThread(module, 0);
}

bool LibraryThread::Start(Body body) {
    if (Running())
        return true;
    stop_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    HMODULE reference = nullptr;
    if (!stop_ || !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                      reinterpret_cast<LPCSTR>(&LibraryThread::Run), &reference))
        return false;
    UniqueModule module(reference);
    auto start = std::make_unique<StartData>(std::move(body), stop_.get(), module.get());
    thread_.reset(CreateThread(nullptr, 0, &LibraryThread::Run, start.get(), 0, nullptr));
    if (!thread_)
        return false;
    // The thread owns both now; it lets go of the reference as it exits.
    start.release();
    module.release();
    return true;
}

void LibraryThread::Stop() {
    if (!thread_)
        return;
    SetEvent(stop_.get());
    WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
    stop_.reset();
}

} // namespace mervik::win
