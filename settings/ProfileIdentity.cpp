#include "settings/ProfileIdentity.h"

#include <algorithm>

#include "settings/PathFileName.h"
#include "settings/ProfileDefaults.h"
#include "settings/TextField.h"

namespace mervik {

namespace {

// A stored text from before tabs were refused may still have them around it.
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

ProfileTextFault CheckText(std::string_view text, size_t max) {
    if (HoldsControlCharacter(text))
        return ProfileTextFault::LineBreak;
    text = Trimmed(text);
    if (text.empty())
        return ProfileTextFault::Empty;
    if (text.size() > max)
        return ProfileTextFault::TooLong;
    return ProfileTextFault::None;
}

} // namespace

bool HoldsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

ProfileTextFault CheckProfileName(std::string_view name) {
    return CheckText(name, kProfileNameMax);
}

ProfileTextFault CheckProgramPath(std::string_view path) {
    ProfileTextFault fault = CheckText(path, kProgramPathMax);
    if (fault == ProfileTextFault::None && PathFileName(Trimmed(path)).empty())
        return ProfileTextFault::NoFileName;
    return fault;
}

ProfileTextFault RenameProfile(ProfileRecord& record, std::string_view name) {
    ProfileTextFault fault = CheckProfileName(name);
    if (fault == ProfileTextFault::None)
        SetTextField(record.ProFileName, Trimmed(name));
    return fault;
}

ProfileTextFault LinkProgram(ProfileRecord& record, std::string_view path) {
    ProfileTextFault fault = CheckProgramPath(path);
    if (fault == ProfileTextFault::None)
        SetTextField(record.GameFile, Trimmed(path));
    return fault;
}

bool RepairProfileName(ProfileRecord& record, int index) {
    if (CheckProfileName(ProfileName(record)) == ProfileTextFault::None)
        return false;
    SetTextField(record.ProFileName, DefaultProfileName(index));
    return true;
}

void UnlinkProgram(ProfileRecord& record) {
    SetTextField(record.GameFile, "");
}

std::string ProfileName(const ProfileRecord& record) {
    return TextOfField(record.ProFileName);
}

std::string LinkedProgramPath(const ProfileRecord& record) {
    return std::string(Trimmed(TextOfField(record.GameFile)));
}

std::string LinkedProgramName(const ProfileRecord& record) {
    return std::string(PathFileName(LinkedProgramPath(record)));
}

std::string_view DescribeProfileTextFault(ProfileTextFault fault) {
    switch (fault) {
    case ProfileTextFault::None:
        return "accepted";
    case ProfileTextFault::Empty:
        return "it is empty";
    case ProfileTextFault::TooLong:
        return "it is too long";
    case ProfileTextFault::LineBreak:
        return "it holds a line break or another control character";
    case ProfileTextFault::NoFileName:
        return "it names a folder, not a program";
    }
    return "it is not accepted";
}

} // namespace mervik
