#pragma once
// The current user's real registry keys behind the RegistryStore interface.
#include <windows.h>

#include "settings/RegistryStore.h"

namespace mervik {

class Win32RegistryStore final : public RegistryStore {
public:
    Win32RegistryStore() = default;
    ~Win32RegistryStore() override;
    Win32RegistryStore(const Win32RegistryStore&) = delete;
    Win32RegistryStore& operator=(const Win32RegistryStore&) = delete;

    bool OpenKey(RegistryKey key) override;
    std::optional<std::string> ReadText(RegistryKey key, const std::string& name) override;
    bool WriteText(RegistryKey key, const std::string& name, const std::string& value) override;

private:
    HKEY& Handle(RegistryKey key) { return key == RegistryKey::Mouse ? mouse_ : desktop_; }
    HKEY mouse_ = nullptr;
    HKEY desktop_ = nullptr;
};

} // namespace mervik
