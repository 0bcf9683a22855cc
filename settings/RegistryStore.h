#pragma once
// The few per-user registry values the suite keeps in step with a profile
// (double-click time, pointer speed and acceleration, wheel lines), behind an
// interface so the rules can be tested without a registry.
#include <optional>
#include <string>

namespace mervik {

enum class RegistryKey {
    Mouse,   // HKEY_CURRENT_USER\Control Panel\Mouse
    Desktop, // HKEY_CURRENT_USER\Control Panel\Desktop
};

class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    // Opens (or creates) the key; false when that fails.
    virtual bool OpenKey(RegistryKey key) = 0;
    // A text value of an open key; nothing when the value is missing.
    virtual std::optional<std::string> ReadText(RegistryKey key, const std::string& name) = 0;
    // Writes a text (REG_SZ) value; false when that fails.
    virtual bool WriteText(RegistryKey key, const std::string& name, const std::string& value) = 0;
};

} // namespace mervik
