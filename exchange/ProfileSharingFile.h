#pragma once
// The profile file for sharing: one profile with every field and its button
// table, and the macros its buttons play, so that a macro button works where
// the profile is imported. JSON:
//   { "format": "mervik-profile", "version": 1,
//     "profile": { every profile key, "MacroKeyInfo": [64 slots] },
//     "macros": [ { "Name", "RepeatCount", "EventCount", "Events" } ] }
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/JsonText.h"
#include "macros/MacroRecord.h"
#include "settings/ProfileRecord.h"

namespace mervik {

inline constexpr char kProfileFormatName[] = "mervik-profile";
inline constexpr int kProfileFormatVersion = 1;
// Far above a profile with 64 macro buttons of 50 steps each (about 250 KB).
constexpr size_t kMaxProfileSharingFileBytes = size_t{2} << 20;

// The macros `profile`'s buttons play, one for each name, from the first
// button that plays it: that copy is what the mouse plays.
std::vector<MacroRecord> MacrosPlayedBy(const ProfileRecord& profile);

std::string WriteProfileSharingFile(const ProfileRecord& profile);

// The file's content as it stands, nothing checked but its shape.
struct SharedProfileContent {
    Json profile;
    Json macros;
};

// None, with `error` set, for a file that is not one of ours: no JSON, another
// format, a newer version, no profile.
std::optional<SharedProfileContent> ReadProfileSharingFile(std::string_view text,
                                                           std::string& error);

} // namespace mervik
