#include "ui/core/MonitorFollow.h"

#include <cstddef>
#include <cstring>

#include "settings/ProfileKeys.h"

namespace mervik::ui {

namespace {

template <typename T> bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

template <typename T> void TakeUnlessEdited(T& working, const T& applied, const T& fresh) {
    if (SameBytes(working, applied))
        working = fresh;
}

// Walks the working profile's fields (ForEachProfileKey) and takes each one the
// user has not edited from Monitor's profile. A slot is one value: its
// function and data only make sense together.
class ProfileFollow {
public:
    ProfileFollow(ProfileRecord& working, const ProfileRecord& applied, const ProfileRecord& fresh)
        : working_(Bytes(working)), applied_(Bytes(applied)), fresh_(Bytes(fresh)) {}

    template <size_t N> void Text(std::string_view, char (&field)[N]) { Follow(field); }
    void Int(std::string_view, int32_t& field) { Follow(field); }
    void Byte(std::string_view, uint8_t& field, std::string_view) { Follow(field); }
    void Slot(std::string_view, ButtonAssignment& slot, int) { Follow(slot); }

private:
    static std::byte* Bytes(ProfileRecord& r) { return reinterpret_cast<std::byte*>(&r); }
    static const std::byte* Bytes(const ProfileRecord& r) {
        return reinterpret_cast<const std::byte*>(&r);
    }

    // The same field of the other two records: the layout is fixed.
    template <typename T> void Follow(T& field) {
        const std::ptrdiff_t offset = reinterpret_cast<std::byte*>(&field) - working_;
        if (std::memcmp(working_ + offset, applied_ + offset, sizeof field) == 0)
            std::memcpy(working_ + offset, fresh_ + offset, sizeof field);
    }

    std::byte* working_;
    const std::byte* applied_;
    const std::byte* fresh_;
};

// A level Monitor put in use comes with Monitor's switch of that level: page 1
// does not let the user switch the level in use, so one an edit had switched
// off could never be switched on again.
void TakeSwitchOfLevelInUse(ProfileRecord& working, const ProfileRecord& fresh) {
    if (working.Cpi_X >= 0 && working.Cpi_X < kDpiStageCount)
        working.dpiStepFlag[working.Cpi_X] = fresh.dpiStepFlag[working.Cpi_X];
}

} // namespace

void FollowMonitor(MonitorNews news, SharedSettingsBlock& working, SharedSettingsBlock& applied,
                   const SharedSettingsBlock& fresh) {
    for (int i = 0; i < kProfileCount; ++i) {
        ProfileRecord& profile = working.Profiles[i];
        const int levelBefore = profile.Cpi_X;
        ProfileFollow follow(profile, applied.Profiles[i], fresh.Profiles[i]);
        ForEachProfileKey(profile, follow);
        if (news == MonitorNews::MouseChangedLevel && i == fresh.CurrentProfile) {
            profile.Cpi_X = fresh.Profiles[i].Cpi_X;
            profile.PollingRate = fresh.Profiles[i].PollingRate;
        }
        if (profile.Cpi_X != levelBefore)
            TakeSwitchOfLevelInUse(profile, fresh.Profiles[i]);
    }
    TakeUnlessEdited(working.MouseType, applied.MouseType, fresh.MouseType);
    TakeUnlessEdited(working.LedType, applied.LedType, fresh.LedType);
    if (fresh.HasActiveProfile() &&
        (news == MonitorNews::ProfileSwitched || working.CurrentProfile == applied.CurrentProfile))
        working.CurrentProfile = fresh.CurrentProfile;
    applied = fresh;
}

} // namespace mervik::ui
