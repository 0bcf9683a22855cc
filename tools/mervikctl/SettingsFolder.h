#pragma once
// FOLDER, the program folder every command works on.
#include <filesystem>
#include <ostream>
#include <string>

namespace mervik::tools {

// The folder as the core expects it: with its trailing separator.
std::string FolderArgument(const std::string& folder);

// A path of the suite (UTF-8) for the standard library, which would read a
// narrow string in the ANSI code page on Windows.
std::filesystem::path FileSystemPath(const std::string& utf8);

// Whether `folder` (with its separator) holds config.ini, a profile file or
// the macro file: settings someone made, even when they cannot be read.
bool HoldsSettings(const std::string& folder);

// FOLDER as every command but init needs it: a folder that exists and holds
// settings. Loading a folder without them would show, or write into, the
// defaults of a folder that is not there. False after a message on `err`.
bool CheckSettingsFolder(const std::string& folderArg, std::ostream& err);

} // namespace mervik::tools
