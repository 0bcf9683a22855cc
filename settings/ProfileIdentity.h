#pragma once
// What a user may change about a profile besides its settings: its name and
// the program it is tied to. Option's profile strip and mervikctl both go
// through these, so a name or path that one refuses the other refuses too.
// Texts are the record's bytes (the system's ANSI code page on Windows).
#include <string>
#include <string_view>

#include "settings/ProfileRecord.h"

namespace mervik {

enum class ProfileTextFault {
    None,
    Empty,      // nothing but blanks
    TooLong,    // more bytes than the field holds before its terminator
    LineBreak,  // a tab, a line break or another control character
    NoFileName, // a program path that ends in a folder separator
};

constexpr size_t kProfileNameMax = kProfileNameFieldSize - 1;
constexpr size_t kProgramPathMax = kGameFileFieldSize - 1;

// A tab, a line break or another control character. None may be part of a
// name or a path: a line break would end the profile file's line, a zero byte
// cut the field, and a tab splits a menu item (what stands after it is shown
// as the item's shortcut). Macro names follow the same rule.
bool HoldsControlCharacter(std::string_view text);

// Spaces at either end are dropped first: the profile files keep no
// surrounding blanks, so they would not survive a save anyway.
ProfileTextFault CheckProfileName(std::string_view name);
ProfileTextFault CheckProgramPath(std::string_view path);

// Change the record only when the check passes, and store the text without
// its surrounding blanks. A path is never cut: a cut path names another file.
ProfileTextFault RenameProfile(ProfileRecord& record, std::string_view name);
ProfileTextFault LinkProgram(ProfileRecord& record, std::string_view path);
void UnlinkProgram(ProfileRecord& record);

// A name read from outside that a rename would refuse (missing, empty, with a
// control character) becomes the default name of profile `index`, so every
// name shown or saved is one the user could have given. True when replaced.
bool RepairProfileName(ProfileRecord& record, int index);

std::string ProfileName(const ProfileRecord& record);
// The stored path, empty when the profile is tied to no program.
std::string LinkedProgramPath(const ProfileRecord& record);
// "game.exe" of a linked "C:\Games\game.exe"; empty when none.
std::string LinkedProgramName(const ProfileRecord& record);

// One line for a command line or a trace; the windows show lan.dll texts.
std::string_view DescribeProfileTextFault(ProfileTextFault fault);

} // namespace mervik
