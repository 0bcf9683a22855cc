#pragma once
// The range of every profile field that has one. Files, the registry and the
// shared block are outside data, and a missing key reads as -1: a value
// outside its range would reach the system (an Orientation of -1 swaps the
// mouse buttons) or the mouse, so it goes back to its default where it enters.
#include <string>
#include <vector>

#include "settings/ProfileRecord.h"

namespace mervik {

// Sets each field outside its range to its default (ResetProfile) and returns
// the keys of the fields it set, in the order of the profile file. Values in
// range are kept. Fields with no range of their own (TiltSpeed, the lighting
// values, the indicators and colour flags, ...) keep whatever they hold; the
// texts and slots are bounded where they are read (TextField.h, SlotRepair.h).
std::vector<std::string> RepairProfileRanges(ProfileRecord& record);

} // namespace mervik
