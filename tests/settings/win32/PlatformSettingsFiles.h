#pragma once
// Load all and save all done key by key with the platform's private-profile
// functions: the yardstick that our own routines are compared with, for their
// bytes in the differential test and for their speed in the bench. It applies
// the same reading rules as ours (defaults, indicator fallback, slot repair),
// so the images loaded both ways must be equal.
#include <string>

#include "settings/SharedSettingsBlock.h"

namespace mervik::testing {

void PlatformLoadAll(SharedSettingsBlock& image, const std::string& programFolder);

// The config folder must exist: the platform's writer does not create folders.
void PlatformSaveAll(const SharedSettingsBlock& image, const std::string& programFolder);

} // namespace mervik::testing
