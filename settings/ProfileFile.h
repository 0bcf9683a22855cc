#pragma once
// One profile's file: section Setting holding every field of the record under
// its own key (ProfileKeys.h).
#include <string>

#include "settings/IniDocument.h"
#include "settings/ProfileRecord.h"

namespace mervik {

// Reads every key into its field: texts "" and cut to their fields, integers
// -1 (0xFF in byte fields) when missing. A slot whose structure is missing or
// damaged gets its default; a sound one is made safe (SlotRepair.h).
void ReadProfile(const IniDocument& file, ProfileRecord& record);

// Whether the file holds any key of a profile in section Setting. One that
// holds none is no profile file: damaged, or another program's.
bool HoldsProfile(const IniDocument& file);

// Writes every key in save order, as the same number of single-key writes would.
void WriteProfile(const ProfileRecord& record, IniDocument& file);

// False, and the record unchanged, when the file cannot be read or is refused
// as far too large. Values are as stored: load all is where fields out of
// their range are set back (ProfileRanges.h).
bool LoadProfile(ProfileRecord& record, const std::string& path);

// Rewrites the file with the record's values, keeping its other lines. False
// when the file exists but cannot be read (it is left alone) or cannot be written.
bool SaveProfile(const ProfileRecord& record, const std::string& path);

} // namespace mervik
