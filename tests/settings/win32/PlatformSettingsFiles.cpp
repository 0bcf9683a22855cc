#include "tests/settings/win32/PlatformSettingsFiles.h"

#include <windows.h>

#include <string>

#include "settings/FileAccess.h"
#include "settings/FilePaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileKeys.h"
#include "settings/SettingsKeys.h"
#include "settings/SlotRepair.h"
#include "settings/TextField.h"

namespace mervik::testing {

namespace {

const std::string kSection(keys::kSettingSection);
// The buffer the programs read texts through.
constexpr DWORD kTextBufferSize = 2048;
// A default no file holds, to tell a missing key from any stored value.
constexpr char kAbsent[] = "\x01";

class PlatformReader {
public:
    explicit PlatformReader(const std::string& path) : path_(path) {}

    template <size_t N> void Text(const std::string& key, char (&field)[N]) {
        char buffer[kTextBufferSize];
        GetPrivateProfileStringA(kSection.c_str(), key.c_str(), "", buffer, sizeof buffer,
                                 path_.c_str());
        SetTextField(field, buffer);
    }
    void Int(const std::string& key, int32_t& field) {
        field = static_cast<int32_t>(
            GetPrivateProfileIntA(kSection.c_str(), key.c_str(), -1, path_.c_str()));
    }
    void Byte(const std::string& key, uint8_t& field, const std::string& legacyKey) {
        bool useLegacy = !legacyKey.empty() && !Present(key);
        int32_t value;
        Int(useLegacy ? legacyKey : key, value);
        field = static_cast<uint8_t>(value);
    }
    void Slot(const std::string& key, ButtonAssignment& slot, int n) {
        if (GetPrivateProfileStructA(kSection.c_str(), key.c_str(), &slot, sizeof slot,
                                     path_.c_str()))
            MakeSlotSafe(slot, n);
        else
            ResetSlot(slot, n); // the platform may have filled part of it
    }

private:
    bool Present(const std::string& key) {
        char buffer[4];
        GetPrivateProfileStringA(kSection.c_str(), key.c_str(), kAbsent, buffer, sizeof buffer,
                                 path_.c_str());
        return std::string(buffer) != kAbsent;
    }
    const std::string& path_;
};

class PlatformWriter {
public:
    explicit PlatformWriter(const std::string& path) : path_(path) {}

    template <size_t N> void Text(const std::string& key, const char (&field)[N]) {
        WritePrivateProfileStringA(kSection.c_str(), key.c_str(), TextOfField(field).c_str(),
                                   path_.c_str());
    }
    void Int(const std::string& key, int32_t value) {
        WritePrivateProfileStringA(kSection.c_str(), key.c_str(), std::to_string(value).c_str(),
                                   path_.c_str());
    }
    void Byte(const std::string& key, uint8_t value, const std::string&) { Int(key, value); }
    void Slot(const std::string& key, const ButtonAssignment& slot, int) {
        WritePrivateProfileStructA(kSection.c_str(), key.c_str(),
                                   const_cast<ButtonAssignment*>(&slot), sizeof slot,
                                   path_.c_str());
    }

private:
    const std::string& path_;
};

int32_t ReadImageValue(const std::string& path, std::string_view key) {
    return static_cast<int32_t>(
        GetPrivateProfileIntA(kSection.c_str(), std::string(key).c_str(), -1, path.c_str()));
}

void WriteImageValue(const std::string& path, std::string_view key, int32_t value) {
    WritePrivateProfileStringA(kSection.c_str(), std::string(key).c_str(),
                               std::to_string(value).c_str(), path.c_str());
}

} // namespace

void PlatformLoadAll(SharedSettingsBlock& image, const std::string& programFolder) {
    std::string config = ConfigFilePath(programFolder);
    image.CurrentProfile = ReadImageValue(config, keys::kCurrentProfile);
    image.MouseType = ReadImageValue(config, keys::kMouseType);
    image.LedType = ReadImageValue(config, keys::kLedType);
    for (int n = 0; n < kProfileFileCount; ++n) {
        std::string path = ProfileFilePath(programFolder, n);
        if (!FileExists(path)) {
            ResetProfile(image.Profiles[n], n);
            continue;
        }
        PlatformReader reader(path);
        ForEachProfileKey(image.Profiles[n], reader);
    }
}

void PlatformSaveAll(const SharedSettingsBlock& image, const std::string& programFolder) {
    std::string config = ConfigFilePath(programFolder);
    WriteImageValue(config, keys::kCurrentProfile, image.CurrentProfile);
    WriteImageValue(config, keys::kMouseType, image.MouseType);
    WriteImageValue(config, keys::kLedType, image.LedType);
    for (int n = 0; n < kProfileFileCount; ++n) {
        std::string path = ProfileFilePath(programFolder, n);
        PlatformWriter writer(path);
        ForEachProfileKey(image.Profiles[n], writer);
    }
}

} // namespace mervik::testing
