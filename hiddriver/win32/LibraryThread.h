#pragma once
// A thread that runs code of this DLL until it is told to stop. It holds a
// reference to the DLL while it runs, so a host that unloads the library
// without closing it first cannot pull the code from under the thread.
#include <windows.h>

#include <functional>

#include "win32/UniqueHandleWin32.h"

namespace mervik::win {

class LibraryThread {
public:
    // The body runs until `stopEvent` is signalled (or returns on its own).
    using Body = std::function<void(HANDLE stopEvent)>;

    LibraryThread() = default;
    ~LibraryThread() { Stop(); }
    LibraryThread(const LibraryThread&) = delete;
    LibraryThread& operator=(const LibraryThread&) = delete;

    bool Start(Body body);
    // Signals the stop event and waits for the body to return.
    void Stop();
    bool Running() const { return static_cast<bool>(thread_); }

private:
    static DWORD WINAPI Run(void* param);

    UniqueHandle thread_;
    UniqueHandle stop_;
};

} // namespace mervik::win
