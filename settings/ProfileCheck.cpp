#include "settings/ProfileCheck.h"

#include <cstring>

#include "settings/FunctionCodes.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileIdentity.h"
#include "settings/ProfileRanges.h"
#include "settings/SlotRepair.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

template <class T> bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A name the strip would refuse takes the default name; a good one is stored
// as a rename stores it (no surrounding blanks, nothing behind its end).
void CheckName(ProfileRecord& record, int index, ProfileCheck& check) {
    char before[kProfileNameFieldSize];
    std::memcpy(before, record.ProFileName, sizeof before);
    if (RenameProfile(record, ProfileName(record)) != ProfileTextFault::None) {
        SetTextField(record.ProFileName, DefaultProfileName(index));
        check.refused.emplace_back("ProFileName");
    } else if (std::memcmp(before, record.ProFileName, sizeof before) != 0) {
        check.repaired.emplace_back("ProFileName");
    }
}

// A path is never cut or guessed at: one the strip would refuse unties the
// profile.
void CheckLink(ProfileRecord& record, ProfileCheck& check) {
    char before[kGameFileFieldSize];
    std::memcpy(before, record.GameFile, sizeof before);
    const std::string path = TextOfField(record.GameFile);
    if (path.find_first_not_of(' ') == std::string::npos) {
        UnlinkProgram(record);
    } else if (LinkProgram(record, path) != ProfileTextFault::None) {
        UnlinkProgram(record);
        check.refused.emplace_back("GameFile");
        return;
    }
    if (std::memcmp(before, record.GameFile, sizeof before) != 0)
        check.repaired.emplace_back("GameFile");
}

// A function no button has means the slot is damaged, as one whose file value
// fails its checksum: it takes its default. Any other slot is bounded.
void CheckSlots(ProfileRecord& record, ProfileCheck& check) {
    for (int n = 0; n < kSlotCount; ++n) {
        ButtonAssignment& slot = record.Buttons[n];
        const std::string key = "MacroKeyInfo" + std::to_string(n);
        if (!fn::IsFunctionCode(slot.Function)) {
            ResetSlot(slot, n);
            check.refused.push_back(key);
            continue;
        }
        const ButtonAssignment before = slot;
        MakeSlotSafe(slot, n);
        if (!SameBytes(before, slot))
            check.repaired.push_back(key);
    }
}

std::string Keys(const std::vector<std::string>& keys) {
    std::string text;
    for (const std::string& key : keys)
        text += " " + key;
    return text;
}

} // namespace

ProfileCheck CheckProfile(ProfileRecord& record, int index) {
    ProfileCheck check;
    CheckName(record, index, check);
    CheckLink(record, check);
    for (std::string& key : RepairProfileRanges(record))
        check.refused.push_back(std::move(key));
    CheckSlots(record, check);
    return check;
}

std::string DescribeProfileCheck(const ProfileCheck& check, int index) {
    if (check.Clean())
        return {};
    std::string line = "profile " + std::to_string(index) + ":";
    if (!check.refused.empty())
        line += Keys(check.refused) + " refused, set to their defaults";
    if (!check.refused.empty() && !check.repaired.empty())
        line += ";";
    if (!check.repaired.empty())
        line += Keys(check.repaired) + " repaired";
    return line;
}

LoadNotes CheckImageProfiles(SharedSettingsBlock& image) {
    LoadNotes notes;
    for (int n = 0; n < kProfileCount; ++n) {
        const ProfileCheck check = CheckProfile(image.Profiles[n], n);
        if (!check.Clean())
            notes.push_back(DescribeProfileCheck(check, n));
    }
    return notes;
}

} // namespace mervik
