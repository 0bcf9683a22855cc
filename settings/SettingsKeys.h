#pragma once
// Section and key names of the configuration file and the section of the
// profile files. The profile files' own keys are in ProfileKeys.h.
#include <string_view>

namespace mervik::keys {

constexpr std::string_view kSettingSection = "Setting";

constexpr std::string_view kCurrentProfile = "CurrentProfile";
constexpr std::string_view kMouseType = "MouseType";
constexpr std::string_view kLedType = "LedType";
constexpr std::string_view kFWVersion = "FWVersion";
constexpr std::string_view kMouseColor = "MouseColor";
constexpr std::string_view kDevice = "Device";
// Ours: the language the user chose (UiLanguage.h); missing means the system's.
constexpr std::string_view kLanguage = "Language";

constexpr std::string_view kOsdSection = "OSDSetting";
constexpr std::string_view kOsdKey = "config";

// The notice text Monitor leaves for the on-screen display.
constexpr std::string_view kOsdDataSection = "OSDData";
constexpr std::string_view kOsdMessageKey = "Message";

} // namespace mervik::keys
