#pragma once
// The one check of a profile that comes from outside: a profile file, the
// shared block (any program may write it, and any program may announce it)
// or an import. Afterwards the profile holds only what a profile file the
// suite wrote could hold, so nothing downstream (the pages, the files, the
// desktop, the mouse) meets a value it cannot take.
#include <string>
#include <vector>

#include "settings/LoadNotes.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

// What the check found, by the profile file's key of each field.
struct ProfileCheck {
    // Kept, but bounded: a slot's number, macro step count or texts without
    // their terminator; bytes behind a text's terminator cleared.
    std::vector<std::string> repaired;
    // Not taken: the field holds its default now. A name or program path the
    // profile strip would refuse (missing terminator, too long, a control
    // character, a folder for a program), a value outside its range
    // (ProfileRanges.h), a slot with a function no button has.
    std::vector<std::string> refused;

    bool Clean() const { return repaired.empty() && refused.empty(); }
};

// Checks and mends profile `index` (0 to 4, whose default name it takes).
ProfileCheck CheckProfile(ProfileRecord& record, int index);

// One line for the trace or the error output; empty for a clean check.
std::string DescribeProfileCheck(const ProfileCheck& check, int index);

// CheckProfile on the five profiles of an image: a note a profile with
// findings. The current profile index is the caller's to judge.
LoadNotes CheckImageProfiles(SharedSettingsBlock& image);

} // namespace mervik
