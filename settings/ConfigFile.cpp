#include "settings/ConfigFile.h"

#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

namespace mervik {

namespace {

constexpr int32_t kDefaultFWVersion = 100;

int32_t ReadSetting(const std::string& configPath, std::string_view key, int32_t fallback) {
    return IniFile(configPath).ReadInt(keys::kSettingSection, key, fallback);
}

} // namespace

int32_t ReadFWVersion(const std::string& configPath) {
    return ReadSetting(configPath, keys::kFWVersion, kDefaultFWVersion);
}
int32_t ReadMouseColor(const std::string& configPath) {
    return ReadSetting(configPath, keys::kMouseColor, 0);
}
int32_t ReadMouseType(const std::string& configPath) {
    return ReadSetting(configPath, keys::kMouseType, 0);
}
int32_t ReadLedType(const std::string& configPath) {
    return ReadSetting(configPath, keys::kLedType, 0);
}
int32_t ReadDevice(const std::string& configPath) {
    return ReadSetting(configPath, keys::kDevice, 0);
}

bool WriteDevice(const std::string& configPath, int32_t value) {
    return IniFile(configPath).WriteInt(keys::kSettingSection, keys::kDevice, value);
}

bool ReadOsdSettings(const std::string& configPath, OsdSettings& settings) {
    return IniFile(configPath)
        .ReadStruct(keys::kOsdSection, keys::kOsdKey, settings.bytes, sizeof settings.bytes);
}

bool WriteOsdSettings(const std::string& configPath, const OsdSettings& settings) {
    return IniFile(configPath)
        .WriteStruct(keys::kOsdSection, keys::kOsdKey, settings.bytes, sizeof settings.bytes);
}

bool EnsureOsdSettings(const std::string& configPath, OsdSettings& settings) {
    if (ReadOsdSettings(configPath, settings))
        return true;
    settings = DefaultOsdSettings();
    return WriteOsdSettings(configPath, settings);
}

} // namespace mervik
