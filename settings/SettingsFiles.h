#pragma once
// The settings image on disk: the configuration file for the three image
// integers and one profile file per profile, all in the program folder. Each
// file is read once and written once, and a save produces exactly the bytes
// that writing its keys one by one would.
#include <string>

#include "settings/LoadNotes.h"
#include "settings/RegistryStore.h"
#include "settings/SharedSettingsBlock.h"

namespace mervik {

// Reads config.ini (CurrentProfile, MouseType and LedType; -1 each when
// missing) and the five profile files; a missing profile file gives that
// profile its defaults. A CurrentProfile outside 0 to 4 becomes 0. With a
// registry, the current profile then takes the system's pointer settings;
// when those cannot be read the profile keeps the values of its file. Last,
// every profile goes through CheckProfile (ProfileCheck.h).
// False when a file exists but cannot be read or is refused as far too large
// (FileLimits.h), which save all then leaves alone, or when a profile file
// holds no profile (HoldsProfile): that profile gets its defaults, the others
// still load. With `notes`, what was found wrong and mended is added there.
bool LoadAll(SharedSettingsBlock& image, const std::string& programFolder,
             RegistryStore* registry = nullptr, LoadNotes* notes = nullptr);

// With a registry, writes the active profile's pointer settings first; then
// the three image integers into config.ini (CurrentProfile only when it names
// a profile) and each profile into its file, creating the config folder when
// missing, all under one hold of the save lock (FileSystem.h). False when any
// of these fails; the others are still written. False, and nothing written,
// when the save lock cannot be had.
bool SaveAll(const SharedSettingsBlock& image, const std::string& programFolder,
             RegistryStore* registry = nullptr);

} // namespace mervik
