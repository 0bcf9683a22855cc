#include "ui/main/SharedBlockLink.h"

#include <cstring>

#include "settings/ProgramMessages.h"

namespace mervik::ui {

SharedBlockLink::~SharedBlockLink() { Close(); }

SharedBlockLink::Attach SharedBlockLink::Open() {
    mutex_.reset(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kSharedMutexName));
    mapping_.reset(OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, kSharedBlockName));
    if (!mapping_)
        return Attach::Absent;
    view_ = MapViewOfFile(mapping_.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(SharedSettingsBlock));
    if (!view_) {
        mapping_.reset();
        return Attach::ViewFailed;
    }
    return Attach::Attached;
}

bool SharedBlockLink::Lock() const {
    if (!mutex_)
        return false;
    DWORD wait = WaitForSingleObject(mutex_.get(), INFINITE);
    // An abandoned mutex is still ours: the peer died, the block is whole
    // (copies are single memcpy calls), and refusing would strand Option.
    return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

bool SharedBlockLink::Read(SharedSettingsBlock& into) const {
    if (!view_ || !Lock())
        return false;
    std::memcpy(&into, view_, sizeof into);
    ReleaseMutex(mutex_.get());
    return true;
}

bool SharedBlockLink::Write(const SharedSettingsBlock& from) {
    if (!view_ || !Lock())
        return false;
    std::memcpy(view_, &from, sizeof from);
    ReleaseMutex(mutex_.get());
    return true;
}

void SharedBlockLink::Close() {
    if (view_)
        UnmapViewOfFile(view_);
    view_ = nullptr;
    mapping_.reset();
    mutex_.reset();
}

} // namespace mervik::ui
