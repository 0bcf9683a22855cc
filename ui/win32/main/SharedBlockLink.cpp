#include "ui/win32/main/SharedBlockLink.h"

#include "contract/ProgramMessages.h"

namespace mervik::ui {

SharedBlockLink::Attach SharedBlockLink::Open() {
    view_.SetMutex(win::UniqueHandle(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kSharedMutexName)));
    win::UniqueHandle mapping(
        OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, kSharedBlockName));
    if (!mapping)
        return Attach::Absent;
    return view_.Map(std::move(mapping), FILE_MAP_READ | FILE_MAP_WRITE) ? Attach::Attached
                                                                         : Attach::ViewFailed;
}

} // namespace mervik::ui
