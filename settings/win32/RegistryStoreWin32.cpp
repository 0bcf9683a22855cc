#include "settings/win32/RegistryStoreWin32.h"

#include <vector>

namespace mervik {

namespace {

const char* SubkeyOf(RegistryKey key) {
    return key == RegistryKey::Mouse ? "Control Panel\\Mouse" : "Control Panel\\Desktop";
}

// Registry texts are at most a few digits; anything longer is not ours to trust.
constexpr DWORD kMaxValueBytes = 4096;

} // namespace

Win32RegistryStore::~Win32RegistryStore() {
    if (mouse_)
        RegCloseKey(mouse_);
    if (desktop_)
        RegCloseKey(desktop_);
}

bool Win32RegistryStore::OpenKey(RegistryKey key) {
    HKEY& handle = Handle(key);
    if (handle)
        return true;
    return RegCreateKeyExA(HKEY_CURRENT_USER, SubkeyOf(key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_ALL_ACCESS, nullptr, &handle, nullptr) == ERROR_SUCCESS;
}

std::optional<std::string> Win32RegistryStore::ReadText(RegistryKey key, const std::string& name) {
    HKEY handle = Handle(key);
    if (!handle)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxValueBytes)
        return std::nullopt;
    std::vector<char> buffer(size + 1, 0);
    if (RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    // The stored value need not carry its terminator.
    buffer[size < buffer.size() ? size : buffer.size() - 1] = 0;
    return std::string(buffer.data());
}

bool Win32RegistryStore::WriteText(RegistryKey key, const std::string& name,
                                   const std::string& value) {
    HKEY handle = Handle(key);
    if (!handle)
        return false;
    return RegSetValueExA(handle, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

} // namespace mervik
