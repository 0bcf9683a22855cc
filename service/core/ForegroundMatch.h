#pragma once
// Which profile belongs to the program in the foreground: the first profile
// whose game file has the same file name and extension as that program.
#include <optional>
#include <string>
#include <string_view>

#include "settings/SharedSettingsBlock.h"

namespace mervik {

// The file name and extension of the profile's game file, white space around
// it ignored, as the match compares it and the tray menu shows it; empty when
// the profile is linked to no program. Unlike settings' LinkedProgramName it
// also drops a drive without a folder ("C:game.exe").
std::string MatchedProgramName(const ProfileRecord& profile);

// `executable` is a file name without folder. Names compare without regard to
// case; a game file that is empty or only white space never matches.
std::optional<int> ProfileForProgram(const SharedSettingsBlock& image, std::string_view executable);

} // namespace mervik
