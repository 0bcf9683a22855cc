#pragma once
// The single values of the configuration file that the programs read or write
// on their own, outside load all and save all. Each reads section Setting of
// the file at `configPath` (see ConfigFilePath) with the default given.
#include <cstdint>
#include <string>

#include "settings/OsdSettings.h"

namespace mervik {

int32_t ReadFWVersion(const std::string& configPath);  // 100 when missing
int32_t ReadMouseColor(const std::string& configPath); // 0
int32_t ReadMouseType(const std::string& configPath);  // 0
int32_t ReadLedType(const std::string& configPath);    // 0
int32_t ReadDevice(const std::string& configPath);     // 0

// The service's connection flag: 1 while the mouse is present, else 0.
bool WriteDevice(const std::string& configPath, int32_t value);

// True and `settings` filled from section OSDSetting, key config; when the
// value is missing or damaged, false and `settings` keeps what it held.
bool ReadOsdSettings(const std::string& configPath, OsdSettings& settings);
// False when the file could not be written (or read first).
bool WriteOsdSettings(const std::string& configPath, const OsdSettings& settings);
// Writes the defaults when the file holds no readable record; true when a
// record is there afterwards, `settings` then holding it.
bool EnsureOsdSettings(const std::string& configPath, OsdSettings& settings);

} // namespace mervik
