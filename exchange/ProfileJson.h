#pragma once
// A profile and a macro as JSON objects: every profile field under its
// profile-file key, in file order, the 64 slots as one array "MacroKeyInfo".
// mervikctl's dump and the profile file for sharing both write them so.
#include <string>

#include "exchange/JsonText.h"
#include "macros/MacroRecord.h"
#include "settings/LoadNotes.h"
#include "settings/ProfileRecord.h"

namespace mervik {

Json ProfileToJson(const ProfileRecord& profile);
Json MacroToJson(const MacroRecord& macro);

// Reads a profile object as the profile file's reader reads its keys: a
// missing or unusable integer reads as -1 (0xFF in byte fields), a missing
// text as empty, a text longer than its field is cut; a slot that is missing
// or unusable gets its default function, a usable one is made safe
// (SlotRepair.h). No range is checked here: that is CheckProfile's.
// False when the object holds none of a profile's keys. With `notes`, one
// line for each slot that was refused.
bool ProfileFromJson(const Json& object, ProfileRecord& profile, LoadNotes* notes);

// A macro object into a record: false when it is unusable (no object, a name
// that is no text, steps that are no list of three numbers each). Bounds are
// RepairLoadedMacro's to keep.
bool MacroFromJson(const Json& object, MacroRecord& macro);

} // namespace mervik
