#pragma once
// The checks a profile read from outside passes before it takes a place:
// the same as a profile file's at load.
#include "settings/LoadNotes.h"
#include "settings/ProfileRecord.h"

namespace mervik {

// Sets fields outside their range to their defaults, a refused name to the
// default name of profile `index`, drops a link no rename would accept, and
// gives a button whose macro name or program path holds a control character
// its default function. One note a change.
LoadNotes CheckSharedProfile(ProfileRecord& profile, int index);

} // namespace mervik
