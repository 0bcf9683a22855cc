#include "settings/ProfileFile.h"

#include "settings/FileAccess.h"
#include "settings/IniFile.h"
#include "settings/ProfileKeys.h"
#include "settings/SettingsKeys.h"
#include "settings/SlotRepair.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

using keys::kSettingSection;

// What a missing integer key reads as; 0xFF in byte fields.
constexpr int32_t kMissingInt = -1;

class ProfileReader {
public:
    explicit ProfileReader(const IniDocument& file) : file_(file) {}

    template <size_t N> void Text(std::string_view key, char (&field)[N]) {
        SetTextField(field, file_.ReadText(kSettingSection, key, ""));
    }
    void Int(std::string_view key, int32_t& field) {
        field = file_.ReadInt(kSettingSection, key, kMissingInt);
    }
    void Byte(std::string_view key, uint8_t& field, std::string_view legacyKey) {
        bool useLegacy = !legacyKey.empty() && !file_.Find(kSettingSection, key);
        field = static_cast<uint8_t>(
            file_.ReadInt(kSettingSection, useLegacy ? legacyKey : key, kMissingInt));
    }
    void Slot(std::string_view key, ButtonAssignment& slot, int n) {
        if (file_.ReadStruct(kSettingSection, key, &slot, sizeof slot))
            MakeSlotSafe(slot, n);
        else
            ResetSlot(slot, n);
    }

private:
    const IniDocument& file_;
};

class ProfileWriter {
public:
    explicit ProfileWriter(IniDocument& file) : file_(file) {}

    template <size_t N> void Text(std::string_view key, const char (&field)[N]) {
        file_.WriteText(kSettingSection, key, TextOfField(field));
    }
    void Int(std::string_view key, int32_t value) { file_.WriteInt(kSettingSection, key, value); }
    void Byte(std::string_view key, uint8_t value, std::string_view) {
        file_.WriteInt(kSettingSection, key, value);
    }
    void Slot(std::string_view key, const ButtonAssignment& slot, int) {
        file_.WriteStruct(kSettingSection, key, &slot, sizeof slot);
    }

private:
    IniDocument& file_;
};

// Whether any of the profile's keys is in the file, under either name.
class KeyPresence {
public:
    explicit KeyPresence(const IniDocument& file) : file_(file) {}

    template <size_t N> void Text(std::string_view key, const char (&)[N]) { Look(key); }
    void Int(std::string_view key, int32_t) { Look(key); }
    void Byte(std::string_view key, uint8_t, std::string_view legacyKey) {
        Look(key);
        if (!legacyKey.empty())
            Look(legacyKey);
    }
    void Slot(std::string_view key, const ButtonAssignment&, int) { Look(key); }

    bool Found() const { return found_; }

private:
    void Look(std::string_view key) { found_ = found_ || file_.Find(kSettingSection, key); }

    const IniDocument& file_;
    bool found_ = false;
};

} // namespace

bool HoldsProfile(const IniDocument& file) {
    static const ProfileRecord shape{};
    KeyPresence presence(file);
    ForEachProfileKey(shape, presence);
    return presence.Found();
}

void ReadProfile(const IniDocument& file, ProfileRecord& record) {
    ProfileReader reader(file);
    ForEachProfileKey(record, reader);
}

void WriteProfile(const ProfileRecord& record, IniDocument& file) {
    ProfileWriter writer(file);
    ForEachProfileKey(record, writer);
}

bool LoadProfile(ProfileRecord& record, const std::string& path) {
    FileContent content = ReadWholeFile(path);
    if (content.status != FileStatus::Ok)
        return false;
    ReadProfile(IniDocument(content.bytes), record);
    return true;
}

bool SaveProfile(const ProfileRecord& record, const std::string& path) {
    return EditIniFile(path, [&](IniDocument& file) { WriteProfile(record, file); });
}

} // namespace mervik
