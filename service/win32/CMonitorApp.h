#pragma once
// Monitor's application object: it guards against a second service and runs
// the hidden window. A second start with "1" asks the first to bring up Option.
#include <windows.h>

#include <memory>

#include "service/win32/CMonitorWnd.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik {

class CMonitorApp {
public:
    // False when this process is the second instance or the window failed.
    bool InitInstance(const char* commandLine);
    int Run();
    void ExitInstance();

private:
    win::UniqueHandle instanceMutex_;
    std::unique_ptr<CMonitorWnd> window_;
};

} // namespace mervik
