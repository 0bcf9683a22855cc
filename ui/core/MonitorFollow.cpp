#include "ui/core/MonitorFollow.h"

#include <cstddef>
#include <cstring>

#include "settings/ProfileKeys.h"

namespace mervik::ui {

namespace {

// One value Monitor announced: its value comes in where the user left the
// working copy as applied, or always when Monitor's wins; the applied copy
// takes it either way, so it never counts as the user's edit.
void FollowBytes(void* working, void* applied, const void* fresh, size_t size, bool monitorWins) {
    if (monitorWins || std::memcmp(working, applied, size) == 0)
        std::memcpy(working, fresh, size);
    std::memcpy(applied, fresh, size);
}

template <typename T> void Follow(T& working, T& applied, const T& fresh, bool monitorWins) {
    FollowBytes(&working, &applied, &fresh, sizeof working, monitorWins);
}

// Walks the working profile's fields (ForEachProfileKey) and follows each one
// in the other two records. A slot is one value: its function and data only
// make sense together.
class ProfileFollow {
public:
    ProfileFollow(ProfileRecord& working, ProfileRecord& applied, const ProfileRecord& fresh)
        : working_(Bytes(working)), applied_(Bytes(applied)), fresh_(Bytes(fresh)) {}

    template <size_t N> void Text(std::string_view, char (&field)[N]) { FollowField(field); }
    void Int(std::string_view, int32_t& field) { FollowField(field); }
    void Byte(std::string_view, uint8_t& field, std::string_view) { FollowField(field); }
    void Slot(std::string_view, ButtonAssignment& slot, int) { FollowField(slot); }

private:
    static std::byte* Bytes(ProfileRecord& r) { return reinterpret_cast<std::byte*>(&r); }
    static const std::byte* Bytes(const ProfileRecord& r) {
        return reinterpret_cast<const std::byte*>(&r);
    }

    // The same field of the other two records: the layout is fixed.
    template <typename T> void FollowField(T& field) {
        const std::ptrdiff_t offset = reinterpret_cast<std::byte*>(&field) - working_;
        FollowBytes(working_ + offset, applied_ + offset, fresh_ + offset, sizeof field, false);
    }

    std::byte* working_;
    std::byte* applied_;
    const std::byte* fresh_;
};

// A level Monitor put in use comes with Monitor's switch of that level: page 1
// does not let the user switch the level in use, so one an edit had switched
// off could never be switched on again.
void FollowSwitchOfLevelInUse(ProfileRecord& working, ProfileRecord& applied,
                              const ProfileRecord& fresh) {
    const int level = working.Cpi_X;
    if (level >= 0 && level < kDpiStageCount)
        Follow(working.dpiStepFlag[level], applied.dpiStepFlag[level], fresh.dpiStepFlag[level],
               true);
}

// 1255: anything in the block may have changed; a switch moves the current
// index whatever the user chose.
void FollowWholeBlock(SharedSettingsBlock& working, SharedSettingsBlock& applied,
                      const SharedSettingsBlock& fresh, bool switched) {
    for (int i = 0; i < kProfileCount; ++i) {
        ProfileRecord& profile = working.Profiles[i];
        const int levelBefore = profile.Cpi_X;
        ProfileFollow follow(profile, applied.Profiles[i], fresh.Profiles[i]);
        ForEachProfileKey(profile, follow);
        if (profile.Cpi_X != levelBefore)
            FollowSwitchOfLevelInUse(profile, applied.Profiles[i], fresh.Profiles[i]);
    }
    Follow(working.MouseType, applied.MouseType, fresh.MouseType, false);
    Follow(working.LedType, applied.LedType, fresh.LedType, false);
    if (fresh.HasActiveProfile())
        Follow(working.CurrentProfile, applied.CurrentProfile, fresh.CurrentProfile, switched);
}

// 1254 and 1256: the level (and with 1256 the rate) of Monitor's current profile.
void FollowLevel(MonitorNews news, SharedSettingsBlock& working, SharedSettingsBlock& applied,
                 const SharedSettingsBlock& fresh) {
    if (!fresh.HasActiveProfile())
        return;
    const bool mouseWins = news == MonitorNews::MouseChangedLevel;
    const int i = fresh.CurrentProfile;
    ProfileRecord& profile = working.Profiles[i];
    const int levelBefore = profile.Cpi_X;
    Follow(profile.Cpi_X, applied.Profiles[i].Cpi_X, fresh.Profiles[i].Cpi_X, mouseWins);
    if (news == MonitorNews::MouseChangedLevel)
        Follow(profile.PollingRate, applied.Profiles[i].PollingRate, fresh.Profiles[i].PollingRate,
               mouseWins);
    if (profile.Cpi_X != levelBefore)
        FollowSwitchOfLevelInUse(profile, applied.Profiles[i], fresh.Profiles[i]);
}

} // namespace

void FollowMonitor(MonitorNews news, SharedSettingsBlock& working, SharedSettingsBlock& applied,
                   const SharedSettingsBlock& fresh) {
    if (news == MonitorNews::ProfileSwitched || news == MonitorNews::BlockChanged)
        FollowWholeBlock(working, applied, fresh, news == MonitorNews::ProfileSwitched);
    else
        FollowLevel(news, working, applied, fresh);
}

} // namespace mervik::ui
