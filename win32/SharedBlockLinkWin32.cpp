#include "win32/SharedBlockLinkWin32.h"

#include "contract/ProgramMessages.h"

namespace mervik::win {

SharedBlockLink::Attach SharedBlockLink::Open() {
    view_.SetMutex(UniqueHandle(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kSharedMutexName)));
    UniqueHandle mapping(OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, kSharedBlockName));
    if (!mapping)
        return Attach::Absent;
    return view_.Map(std::move(mapping), FILE_MAP_READ | FILE_MAP_WRITE) ? Attach::Attached
                                                                         : Attach::ViewFailed;
}

HWND WakeMonitor() {
    HWND monitor = FindWindowA(nullptr, kMonitorCaption);
    if (monitor && !PostMessageA(monitor, kMsgApplyAllSetting, 0, 0))
        return nullptr;
    return monitor;
}

} // namespace mervik::win
