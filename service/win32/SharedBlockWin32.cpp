#include "service/win32/SharedBlockWin32.h"

#include "contract/ProgramMessages.h"

namespace mervik {

Win32SharedBlock::Created Win32SharedBlock::CreateMutexObject() {
    win::UniqueHandle mutex(CreateMutexA(nullptr, FALSE, kSharedMutexName));
    if (!mutex)
        return Created::Failed;
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    view_.SetMutex(std::move(mutex));
    return existed ? Created::AlreadyExists : Created::Ok;
}

bool Win32SharedBlock::CreateMapping() {
    // A null DACL: Option may run under another account or integrity level.
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, TRUE};
    win::UniqueHandle mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, &attributes, PAGE_READWRITE,
                                                 0, sizeof(SharedSettingsBlock), kSharedBlockName));
    return view_.Map(std::move(mapping), FILE_MAP_ALL_ACCESS);
}

} // namespace mervik
