#include "service/SharedBlockWin32.h"

#include <cstring>

#include "settings/ProgramMessages.h"

namespace mervik {

Win32SharedBlock::Created Win32SharedBlock::CreateMutexObject() {
    mutex_.Reset(CreateMutexA(nullptr, FALSE, kSharedMutexName));
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        mutex_.Reset();
        return Created::AlreadyExists;
    }
    return mutex_ ? Created::Ok : Created::Failed;
}

bool Win32SharedBlock::CreateMapping() {
    // A null DACL: Option may run under another account or integrity level.
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, TRUE};
    mapping_.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, &attributes, PAGE_READWRITE, 0,
                                      sizeof(SharedSettingsBlock), kSharedBlockName));
    if (!mapping_)
        return false;
    view_ = MapViewOfFile(mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedSettingsBlock));
    if (!view_)
        mapping_.Reset();
    return view_ != nullptr;
}

void Win32SharedBlock::Close() {
    if (view_)
        UnmapViewOfFile(view_);
    view_ = nullptr;
    mapping_.Reset();
    mutex_.Reset();
}

bool Win32SharedBlock::Lock() {
    if (!mutex_)
        return false;
    const DWORD wait = WaitForSingleObject(mutex_.Get(), INFINITE);
    // A peer that died holding the mutex left a whole block: copies are single memcpy calls.
    return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

bool Win32SharedBlock::Read(SharedSettingsBlock& into) {
    if (!view_ || !Lock())
        return false;
    std::memcpy(&into, view_, sizeof into);
    ReleaseMutex(mutex_.Get());
    return true;
}

bool Win32SharedBlock::Write(const SharedSettingsBlock& from) {
    if (!view_ || !Lock())
        return false;
    std::memcpy(view_, &from, sizeof from);
    ReleaseMutex(mutex_.Get());
    return true;
}

} // namespace mervik
