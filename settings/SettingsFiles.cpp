#include "settings/SettingsFiles.h"

#include "settings/FileAccess.h"
#include "settings/FilePaths.h"
#include "settings/FileSystem.h"
#include "settings/IniFile.h"
#include "settings/PointerSettings.h"
#include "settings/ProfileCheck.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"

namespace mervik {

namespace {

// What the image integers read as when config.ini lacks them.
constexpr int32_t kMissingImageValue = -1;

// The file's bytes, or none with a note when it exists but cannot be read.
FileContent ReadSettingsFile(const std::string& path, LoadNotes* notes) {
    FileContent content = ReadWholeFile(path);
    if (content.status == FileStatus::Unreadable)
        AddNote(notes, UnreadableNote(path, content));
    return content;
}

// False only when the file is there but cannot be read.
bool LoadImageValues(SharedSettingsBlock& image, const std::string& configPath, LoadNotes* notes) {
    FileContent content = ReadSettingsFile(configPath, notes);
    IniDocument config(content.bytes);
    image.CurrentProfile =
        config.ReadInt(keys::kSettingSection, keys::kCurrentProfile, kMissingImageValue);
    image.MouseType = config.ReadInt(keys::kSettingSection, keys::kMouseType, kMissingImageValue);
    image.LedType = config.ReadInt(keys::kSettingSection, keys::kLedType, kMissingImageValue);
    return content.status != FileStatus::Unreadable;
}

bool LoadProfileOrDefaults(ProfileRecord& record, const std::string& path, int n,
                           LoadNotes* notes) {
    FileContent content = ReadSettingsFile(path, notes);
    if (content.status == FileStatus::Ok) {
        const IniDocument file(content.bytes);
        if (HoldsProfile(file)) {
            ReadProfile(file, record);
            return true;
        }
        // Read key by key it would leave every field without a range at -1.
        AddNote(notes, path + " holds no profile: taken as damaged, that profile has its defaults");
    }
    ResetProfile(record, n);
    return content.status == FileStatus::Missing;
}

// A missing or damaged config.ini leaves no profile current; the first one
// is then, so that no -1 reaches the programs' decisions or the next save.
void MakeAProfileCurrent(SharedSettingsBlock& image, LoadNotes* notes) {
    if (image.HasActiveProfile())
        return;
    AddNote(notes, "CurrentProfile " + std::to_string(image.CurrentProfile) +
                       " is no profile: profile 0 made current");
    image.CurrentProfile = 0;
}

// An image without a current profile (a block another program wrote) keeps
// the file's: no index outside 0 to 4 is ever saved.
bool SaveImageValues(const SharedSettingsBlock& image, const std::string& configPath) {
    return EditIniFile(configPath, [&](IniDocument& config) {
        if (image.HasActiveProfile())
            config.WriteInt(keys::kSettingSection, keys::kCurrentProfile, image.CurrentProfile);
        config.WriteInt(keys::kSettingSection, keys::kMouseType, image.MouseType);
        config.WriteInt(keys::kSettingSection, keys::kLedType, image.LedType);
    });
}

} // namespace

bool LoadAll(SharedSettingsBlock& image, const std::string& programFolder, RegistryStore* registry,
             LoadNotes* notes) {
    bool ok = LoadImageValues(image, ConfigFilePath(programFolder), notes);
    for (int n = 0; n < kProfileFileCount; ++n)
        ok &= LoadProfileOrDefaults(image.Profiles[n], ProfileFilePath(programFolder, n), n, notes);
    MakeAProfileCurrent(image, notes);
    if (registry)
        ReadPointerSettings(*image.ActiveProfile(), *registry);
    for (std::string& note : CheckImageProfiles(image))
        AddNote(notes, std::move(note));
    return ok;
}

bool SaveAll(const SharedSettingsBlock& image, const std::string& programFolder,
             RegistryStore* registry) {
    // One hold for the whole save, so no other save falls between its files.
    fs::SaveLock lock;
    if (!lock.Held())
        return false;
    bool ok = true;
    if (registry && image.HasActiveProfile())
        ok &= WritePointerSettings(*image.ActiveProfile(), *registry) == 1;
    ok &= SaveImageValues(image, ConfigFilePath(programFolder));
    for (int n = 0; n < kProfileFileCount; ++n)
        ok &= SaveProfile(image.Profiles[n], ProfileFilePath(programFolder, n));
    return ok;
}

} // namespace mervik
